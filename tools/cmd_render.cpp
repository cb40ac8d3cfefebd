// `vantorel render`: plays a MIDI file (or a built-in phrase) through the
// module and writes the sound to a WAV, FLAC or Ogg Vorbis file, as the name
// of the output file says.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "common/ParamId.h"
#include "tools/Command.h"
#include "tools/InstrumentSetup.h"
#include "tools/ModuleOption.h"
#include "tools/render/OfflineRenderer.h"

namespace {

struct RenderCommand
{
    RenderSettings settings;
    std::string format; // empty: the container's own
    int rate = 48000;
    std::vector<std::string> parameters;
};

void run(RenderCommand& c)
{
    RenderSettings& s = c.settings;
    std::string error;
    if (!chooseSoundFormat(s.outPath, c.format, s.fileFormat, error))
    {
        std::cerr << "vantorel render: " << error << "\n";
        throw CLI::RuntimeError(2);
    }
    s.sampleRate = c.rate;
    for (const std::string& p : c.parameters)
    {
        std::pair<int, float> parsed;
        if (!parseParameter(p, parsed))
        {
            std::cerr << "vantorel render: --param wants INDEX=VALUE with INDEX 0..110, not \"" << p << "\"\n";
            throw CLI::RuntimeError(2);
        }
        s.parameters.push_back(parsed);
    }
    s.module = resolveModule(s.module);
    RenderResult result;
    if (!renderPerformance(s, result, error))
    {
        std::cerr << "vantorel render: " << error << "\n";
        throw CLI::RuntimeError(1);
    }
    std::fprintf(stderr, "wrote %s: %.2f s at %.0f Hz, peak %.3f\n", s.outPath.c_str(),
                 static_cast<double>(result.frames) / s.sampleRate, s.sampleRate, static_cast<double>(result.peak));
}

void addRender(CLI::App& app)
{
    auto command = std::make_shared<RenderCommand>();
    RenderSettings& s = command->settings;
    CLI::App* cmd = app.add_subcommand("render", "render a MIDI file (or a built-in phrase) to a sound file");
    addModuleOption(cmd, s.module);
    cmd->add_option("--midi", s.midiPath, "Standard MIDI File to play (default: a built-in phrase)")
        ->check(CLI::ExistingFile);
    cmd->add_option("--phrase", s.phrase, "built-in phrase to play without --midi")
        ->check(CLI::IsMember({"demo", "audition"}))
        ->capture_default_str();
    cmd->add_option("--out", s.outPath, "file to write: .wav, .flac (24-bit) or .ogg (Vorbis)")->required();
    cmd->add_option("--format", command->format, "sample format of a .wav file (default float; .flac is pcm24)")
        ->check(CLI::IsMember({"float", "pcm24"}));
    cmd->add_option("--program", s.program, "program to select (0..63)")->check(CLI::Range(0, 63));
    cmd->add_option("--bank", s.bankPath, "bank file (.vnb) to load first")->check(CLI::ExistingFile);
    cmd->add_option("--preset", s.presetPath, "program file (.vnp) to load into the current program")
        ->check(CLI::ExistingFile);
    cmd->add_option("--param", command->parameters, "set a parameter, INDEX=VALUE (repeatable)");
    // The instrument runs at the host's rate above 8000 Hz and up to 192000 Hz.
    cmd->add_option("--rate", command->rate, "sample rate in Hz (8001..192000)")
        ->check(CLI::Range(8001, 192000))
        ->capture_default_str();
    cmd->add_option("--block", s.blockSize, "block size in samples")
        ->check(CLI::Range(1, 65536))
        ->capture_default_str();
    cmd->add_option("--tempo", s.tempo, "tempo of the built-in phrase in BPM (a MIDI file brings its own tempo map)")
        ->check(CLI::Range(10.0, 400.0))
        ->capture_default_str();
    cmd->add_option("--tail", s.tailSeconds, "longest time to render on after the last event, in seconds")
        ->check(CLI::Range(0.0, 600.0))
        ->capture_default_str();
    cmd->callback([command] { run(*command); });
}

CommandRegistrar registerRender(addRender);

} // namespace
