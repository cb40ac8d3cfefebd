// Kelvane's parameters: storing and reading values, the texts the host shows,
// and the state queries other parts ask of the current program.
#include <cmath>

#include "plugin/BoundedText.h"
#include "plugin/Kelvane.h"
#include "plugin/ParameterTexts.h"

const ProgramRecord& Kelvane::liveRecord() const { return live ? live[curProgram] : stored.programs[curProgram]; }

void Kelvane::setParameter(int32_t index, float value)
{
    if (index < 0 || index >= kParamCount)
        return;
    stored.programs[curProgram].values[index] = value;
    if (live)
        live[curProgram].values[index] = value;
    if (index == paramIndex(ParamId::ConcertA))
        concertPitch = ParameterTexts::concertPitch(value);
    if (index != paramIndex(ParamId::Spare110))
        engine.setParameter(index, value); // 110 is stored only
    if (InstrumentEditor* g = openGui())
        g->updateControlFromParameter(index, value);
}

float Kelvane::getParameter(int32_t index)
{
    if (index < 0 || index >= kParamCount)
        return 0.f;
    return liveRecord().values[index];
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
    ParameterTexts::formatDisplay(index, liveRecord().values, text);
}

void Kelvane::reapplyParameters()
{
    for (int i = 0; i < kParamCount; ++i)
        setParameter(i, getParameter(i));
}

float Kelvane::getConcertPitch() { return concertPitch; }

float Kelvane::getPitchBendRange() { return std::trunc(12.f * getParameter(paramIndex(ParamId::PitchRange))); }

bool Kelvane::isSpringBLinked() { return getParameter(paramIndex(ParamId::SbLink)) != 0.f; }

// The sync switches read trunc(v): on only at 1.
bool Kelvane::isEchoSynced() { return getParameter(paramIndex(ParamId::EchoSync)) >= 1.f; }

bool Kelvane::isLfoSynced() { return getParameter(paramIndex(ParamId::LfoSync)) >= 1.f; }
