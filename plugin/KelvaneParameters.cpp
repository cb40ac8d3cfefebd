// Kelvane's parameters: storing and reading values, the texts the host shows,
// and the state queries other parts ask of the current program.
#include <cmath>

#include "plugin/BoundedText.h"
#include "plugin/Kelvane.h"
#include "plugin/ParameterTexts.h"
#include "plugin/SharedWords.h"

const ProgramRecord& Kelvane::liveRecord() const
{
    const int32_t p = currentProgram();
    return live ? live[p] : stored.programs[p];
}

// Any thread: the host's user-interface thread, its audio thread, the editor.
// The words are written whole; the engine maps the value at once where this
// thread may touch it, else the audio thread does at its next block.
void Kelvane::setParameter(int32_t index, float value)
{
    if (index < 0 || index >= kParamCount)
        return;
    const int32_t p = currentProgram();
    storeWord(stored.programs[p].values[index], value);
    if (live)
        storeWord(live[p].values[index], value);
    if (index == paramIndex(ParamId::ConcertA))
        concertPitch.store(ParameterTexts::concertPitch(value), std::memory_order_relaxed);
    if (index != paramIndex(ParamId::Spare110)) // 110 is stored only
        if (!withEngineNow([&] { engine.setParameter(index, value); }))
            pendingParameters.mark(index);
    if (InstrumentEditor* g = openGui())
        g->updateControlFromParameter(index, value);
}

float Kelvane::getParameter(int32_t index)
{
    if (index < 0 || index >= kParamCount)
        return 0.f;
    return loadWord(liveRecord().values[index]);
}

void Kelvane::getParameterName(int32_t index, char* text)
{
    copyBounded(text, ParameterTexts::name(index, getParameter(paramIndex(ParamId::SbDiffusion))),
                ParameterTexts::kNameChars);
}

void Kelvane::getParameterLabel(int32_t index, char* text)
{
    copyBounded(text, ParameterTexts::label(index, getParameter(paramIndex(ParamId::SbDiffusion))),
                ParameterTexts::kNameChars);
}

void Kelvane::getParameterDisplay(int32_t index, char* text)
{
    // The texts read several values: a copy taken word by word.
    float values[kParamCount];
    const ProgramRecord& record = liveRecord();
    for (int i = 0; i < kParamCount; ++i)
        values[i] = loadWord(record.values[i]);
    ParameterTexts::formatDisplay(index, values, text);
}

void Kelvane::reapplyParameters()
{
    for (int i = 0; i < kParamCount; ++i)
        setParameter(i, getParameter(i));
}

float Kelvane::getConcertPitch() { return concertPitch.load(std::memory_order_relaxed); }

float Kelvane::getPitchBendRange() { return std::trunc(12.f * getParameter(paramIndex(ParamId::PitchRange))); }

bool Kelvane::isSpringBLinked() { return getParameter(paramIndex(ParamId::SbLink)) != 0.f; }

// The sync switches read trunc(v): on only at 1.
bool Kelvane::isEchoSynced() { return getParameter(paramIndex(ParamId::EchoSync)) >= 1.f; }

bool Kelvane::isLfoSynced() { return getParameter(paramIndex(ParamId::LfoSync)) >= 1.f; }
