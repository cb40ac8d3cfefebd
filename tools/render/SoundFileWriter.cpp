#include "tools/render/SoundFileWriter.h"

#include <algorithm>
#include <cctype>

namespace {

// Vorbis quality 0..1: high enough that the springs' upper partials survive.
constexpr double kVorbisQuality = 0.7;

std::string lowerExtension(const std::string& path)
{
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return "";
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

} // namespace

bool chooseSoundFormat(const std::string& path, const std::string& sampleFormat, int& format, std::string& error)
{
    const std::string ext = lowerExtension(path);
    if (ext == "wav")
    {
        format = SF_FORMAT_WAV | (sampleFormat == "pcm24" ? SF_FORMAT_PCM_24 : SF_FORMAT_FLOAT);
        return true;
    }
    if (ext == "flac")
    {
        if (sampleFormat == "float")
        {
            error = "FLAC holds integer samples only: leave out --format or use pcm24";
            return false;
        }
        format = SF_FORMAT_FLAC | SF_FORMAT_PCM_24;
        return true;
    }
    if (ext == "ogg")
    {
        if (!sampleFormat.empty())
        {
            error = "Ogg Vorbis has no sample format to choose: leave out --format";
            return false;
        }
        format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
        return true;
    }
    error = path + ": the name must end in .wav, .flac or .ogg";
    return false;
}

bool SoundFileWriter::open(const std::string& path, int sampleRate, int format)
{
    close();
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = format;
    file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
    {
        lastError = sf_strerror(nullptr);
        return false;
    }
    const int subtype = format & SF_FORMAT_SUBMASK;
    // Integer files clip a sample beyond full scale instead of wrapping it round.
    if (subtype == SF_FORMAT_PCM_24)
        sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    if (subtype == SF_FORMAT_VORBIS)
    {
        double quality = kVorbisQuality;
        sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
    }
    failed = false;
    return true;
}

bool SoundFileWriter::write(const float* left, const float* right, int frames)
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

bool SoundFileWriter::close()
{
    if (file == nullptr)
        return !failed;
    if (sf_close(file) != 0)
        failed = true;
    file = nullptr;
    return !failed;
}
