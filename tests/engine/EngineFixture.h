#pragma once

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "common/ParamTable.h"
#include "engine/Engine.h"

// A host for the engine alone: fixed transport, counts what the engine reports.
class FakeEngineHost : public EngineHost
{
public:
    bool readHostTime(float& tempoBpm, float& ppqPosition) override
    {
        tempoBpm = tempo;
        ppqPosition = position;
        return true;
    }

    float tempo = 120.0f;
    float position = 0.0f;
};

// The instrument's default program (the values a fresh plug-in applies), in index order.
inline std::vector<float> defaultProgram()
{
    std::vector<float> p(kParamCount);
    for (int i = 0; i < kParamCount; ++i)
        p[static_cast<size_t>(i)] = kParamTable[i].defaultValue;
    return p;
}

inline void applyProgram(Engine& e, const std::vector<float>& p)
{
    for (int i = 0; i < kParamCount; ++i)
        if (i != paramIndex(ParamId::Spare110)) // the plug-in keeps 110 to itself
            e.setParameter(i, p[static_cast<size_t>(i)]);
    e.programApplied();
}

inline MidiMessage midi(int status, int d1, int d2, int delta = 0)
{
    MidiMessage m{};
    m.deltaFrames = delta;
    m.data[0] = static_cast<uint8_t>(status);
    m.data[1] = static_cast<uint8_t>(d1);
    m.data[2] = static_cast<uint8_t>(d2);
    return m;
}

// Parameter changes over a program: (index, value) pairs applied in order.
using Settings = std::vector<std::pair<ParamId, float>>;

inline Settings with(Settings base, const Settings& more)
{
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

// Short, body-less hit: on key 96 the dry sound dies long before a 0.5 s echo.
inline const Settings kShortHit = {
    {ParamId::Decay, 0.0f}, {ParamId::Release, 0.0f}, {ParamId::BodyVol, 0.0f}, {ParamId::BodyHighest, 0.0f}};

// A fresh engine on the default program with changes (at a host rate, if one
// is given) that keeps what it renders.
struct EnginePlayer
{
    explicit EnginePlayer(const Settings& changes = {}, float rate = 0.0f) : engine(host)
    {
        if (rate > 0.0f)
            engine.setSampleRate(rate);
        std::vector<float> program = defaultProgram();
        for (auto [i, v] : changes)
            program[static_cast<size_t>(paramIndex(i))] = v;
        applyProgram(engine, program);
    }
    EnginePlayer& send(const std::vector<MidiMessage>& batch)
    {
        engine.processMidi(batch.data(), static_cast<int>(batch.size()));
        return *this;
    }
    // Renders frames more samples in blocks of block samples.
    EnginePlayer& render(int frames, int block = 512)
    {
        const size_t start = left.size();
        left.resize(start + static_cast<size_t>(frames));
        right.resize(start + static_cast<size_t>(frames));
        for (int done = 0; done < frames; done += block)
            engine.process(left.data() + start + done, right.data() + start + done, std::min(block, frames - done));
        return *this;
    }
    // One key struck for `hold` samples, released, `frames` samples in all.
    EnginePlayer& strike(int key, int hold, int frames)
    {
        return send({midi(0x90, key, 100)}).render(hold).send({midi(0x80, key, 0)}).render(frames - hold);
    }

    FakeEngineHost host;
    Engine engine;
    std::vector<float> left, right;
};
