#pragma once
// Stereo WAV output through libsndfile, as 32-bit float or 24-bit PCM.
#include <string>
#include <vector>

#include <sndfile.h>

class WavWriter
{
public:
    enum class Format
    {
        Float,
        Pcm24
    };

    WavWriter() = default;
    ~WavWriter() { close(); }
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    bool open(const std::string& path, int sampleRate, Format format);
    bool write(const float* left, const float* right, int frames);
    // Finishes the header; false if anything failed on the way.
    bool close();
    std::string error() const { return lastError; }

private:
    SNDFILE* file = nullptr;
    std::vector<float> interleaved;
    std::string lastError;
    bool failed = false;
};
