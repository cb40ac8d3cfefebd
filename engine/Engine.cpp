#include "engine/Engine.h"

#include <cstring>

// Placeholder until the synthesis lands: silent output, state only.
struct Engine::State {
    EngineHost* host;
    float rate = 48000.0f;
};

Engine::Engine(EngineHost& host) : state_(new State{&host}) {}
Engine::~Engine() { delete state_; }

void Engine::setSampleRate(float hostRate)
{
    state_->rate = (hostRate > 8000.0f && hostRate < 100000.0f) ? hostRate : 48000.0f;
}
float Engine::engineRate() const { return state_->rate; }
int Engine::echoLineLength(int) const { return static_cast<int>(4.0f * state_->rate); }
void Engine::setParameter(int, float) {}
void Engine::processMidi(const MidiMessage*, int) {}
void Engine::noteOn(int, int, int) {}
void Engine::noteOff(int) {}
void Engine::process(float* left, float* right, int frames)
{
    if (frames <= 0) return;
    std::memset(left, 0, sizeof(float) * static_cast<size_t>(frames));
    std::memset(right, 0, sizeof(float) * static_cast<size_t>(frames));
}
void Engine::resetEngine() {}
void Engine::applyReleaseToFreeVoices() {}
