#pragma once
// A host for tests that drive the built module as a real host does: loads the
// Vantorel.so named by VANT_MODULE_PATH, opens an instance at a rate with
// 512-sample blocks, switches it on, and offers MIDI and rendering shortcuts.
//
//     TestHost host;                     // loaded, opened, 48000 Hz, resumed
//     host.noteOn(69, 100, 0);
//     auto out = host.render(48000);     // one second, stereo
//     double peak = out.peak();
#include <cstdint>
#include <string>
#include <vector>

#include "tools/HostModule.h"

struct StereoBuffer
{
    std::vector<float> left;
    std::vector<float> right;
    size_t frames() const { return left.size(); }
    float peak() const; // largest |sample| of both channels
    bool allZero() const;
    bool allFinite() const;
};

class TestHost
{
public:
    struct Options
    {
        float sampleRate = 48000.f;
    };

    // The module path from VANT_MODULE_PATH (empty when unset).
    static std::string modulePath();

    TestHost() : TestHost(Options{}) {}
    explicit TestHost(const Options& options);

    // False (with error()) when the module could not be loaded or opened.
    bool ok() const { return host.effect() != nullptr; }
    const std::string& error() const { return host.error(); }

    AEffect* effect() { return host.effect(); }
    HostModule& module() { return host; }
    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.f)
    {
        return host.dispatch(opcode, index, value, ptr, opt);
    }
    void setSampleRate(float rate) { host.setSampleRate(rate); }
    void setParameter(int32_t index, float value) { host.setParameter(index, value); }
    float getParameter(int32_t index) { return host.getParameter(index); }
    void setParameter(ParamId id, float value) { host.setParameter(id, value); }
    float getParameter(ParamId id) { return host.getParameter(id); }
    void setProgram(int32_t program) { host.setProgram(program); }

    // Transport answered to audioMasterGetTime.
    void setTempo(double bpm) { host.setTempo(bpm); }
    void setPosition(double ppq) { host.setPosition(ppq); }
    void setPlaying(bool playing);

    // MIDI, queued for the next rendered block; deltaFrames is the offset
    // within that block.
    void noteOn(int key, int velocity, int32_t deltaFrames = 0, int channel = 0);
    void noteOff(int key, int32_t deltaFrames = 0, int channel = 0);
    void controller(int number, int value, int32_t deltaFrames = 0, int channel = 0);
    void pitchBend(int value14, int32_t deltaFrames = 0, int channel = 0); // 0..16383, 8192 centre
    // Renders frames samples in blocks of 512; queued MIDI goes with the
    // first block.
    StereoBuffer render(size_t frames);

private:
    void midi(int status, int data1, int data2, int32_t deltaFrames);

    HostModule host;
    std::vector<VstMidiEvent> queued;
};
