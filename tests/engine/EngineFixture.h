#pragma once

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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
    std::vector<float> p(111, 0.0f);
    const std::pair<int, float> values[] = {
        {0, 1.0f},         {1, 0.5f},    {6, 0.5f},        {7, 0.9f},      {8, 0.25f},  {9, 0.5f},   {10, 0.5f},
        {13, 0.5f},        {15, 1.0f},   {16, 0.75f},      {18, 0.5f},     {20, 0.75f}, {24, 0.2f},  {25, 0.5625f},
        {26, 0.25f},       {28, 0.5f},   {30, 0.1640625f}, {31, 0.84375f}, {32, 0.55f}, {33, 0.5f},  {34, 0.5f},
        {35, 0.33f},       {37, 0.15f},  {38, 0.75f},      {39, 0.5f},     {41, 1.0f},  {42, 0.5f},  {43, 0.5f},
        {44, 1.0f / 6.0f}, {45, 0.4f},   {46, 0.125f},     {48, 0.75f},    {49, 0.75f}, {50, 0.75f}, {88, 1.0f},
        {89, 0.75f},       {90, 1.0f},   {91, 0.9f},       {92, 0.85f},    {93, 0.25f}, {94, 0.25f}, {96, 0.25f},
        {101, 0.25f},      {106, 0.25f},
    };
    for (const auto& [i, v] : values)
        p[static_cast<size_t>(i)] = v;
    for (int i = 51; i <= 62; ++i)
        p[static_cast<size_t>(i)] = 0.5f;
    for (int i = 63; i <= 86; ++i)
        p[static_cast<size_t>(i)] = 1.0f;
    return p;
}

inline void applyProgram(Engine& e, const std::vector<float>& p)
{
    for (int i = 0; i < 110; ++i)
        e.setParameter(i, p[static_cast<size_t>(i)]);
    e.applyReleaseToFreeVoices();
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
using Settings = std::vector<std::pair<int, float>>;

inline Settings with(Settings base, const Settings& more)
{
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

// Short, body-less hit: on key 96 the dry sound dies long before a 0.5 s echo.
inline const Settings kShortHit = {{7, 0.0f}, {8, 0.0f}, {24, 0.0f}, {31, 0.0f}};

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
            program[static_cast<size_t>(i)] = v;
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
