#pragma once
// Stereo sound files through libsndfile, the container chosen by the file's
// extension: WAV (32-bit float or 24-bit PCM), FLAC (24-bit) or Ogg Vorbis.
#include <string>
#include <vector>

#include <sndfile.h>

// The libsndfile format for path and a sample format ("float", "pcm24", or
// empty for the container's own: float WAV, 24-bit FLAC, Vorbis). False with
// a message for an unknown extension or a pair the container cannot hold.
bool chooseSoundFormat(const std::string& path, const std::string& sampleFormat, int& format, std::string& error);

class SoundFileWriter
{
public:
    SoundFileWriter() = default;
    ~SoundFileWriter() { close(); }
    SoundFileWriter(const SoundFileWriter&) = delete;
    SoundFileWriter& operator=(const SoundFileWriter&) = delete;

    // format as chooseSoundFormat gives it.
    bool open(const std::string& path, int sampleRate, int format);
    bool write(const float* left, const float* right, int frames);
    // Finishes the file; false if anything failed on the way.
    bool close();
    std::string error() const { return lastError; }

private:
    SNDFILE* file = nullptr;
    std::vector<float> interleaved;
    std::string lastError;
    bool failed = false;
};
