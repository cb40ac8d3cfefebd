#include "tools/render/WavWriter.h"

bool WavWriter::open(const std::string& path, int sampleRate, Format format)
{
    close();
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | (format == Format::Float ? SF_FORMAT_FLOAT : SF_FORMAT_PCM_24);
    file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
    {
        lastError = sf_strerror(nullptr);
        return false;
    }
    if (format == Format::Pcm24)
        sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    failed = false;
    return true;
}

bool WavWriter::write(const float* left, const float* right, int frames)
{
    if (file == nullptr || frames <= 0)
        return file != nullptr;
    interleaved.resize(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i)
    {
        interleaved[2 * static_cast<size_t>(i)] = left[i];
        interleaved[2 * static_cast<size_t>(i) + 1] = right[i];
    }
    if (sf_writef_float(file, interleaved.data(), frames) != frames)
    {
        lastError = sf_strerror(file);
        failed = true;
    }
    return !failed;
}

bool WavWriter::close()
{
    if (file == nullptr)
        return !failed;
    if (sf_close(file) != 0)
        failed = true;
    file = nullptr;
    return !failed;
}
