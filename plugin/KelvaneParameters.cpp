// Kelvane's parameters: storing and reading values, the texts the host shows,
// and the state queries other parts ask of the current program.
#include <cmath>

#include "plugin/BoundedText.h"
#include "plugin/Kelvane.h"
#include "plugin/ParameterTable.h"

const ProgramRecord& Kelvane::liveRecord() const { return live ? live[curProgram] : stored.programs[curProgram]; }

void Kelvane::setParameter(int32_t index, float value)
{
    if (index < 0 || index >= kNumParameters)
        return;
    stored.programs[curProgram].values[index] = value;
    if (live)
        live[curProgram].values[index] = value;
    if (index == ParameterTable::kConcertA)
        concertPitch = ParameterTable::concertPitch(value);
    if (index < kNumParameters - 1)
        engine.setParameter(index, value); // 110 is stored only
    if (InstrumentEditor* g = openGui())
        g->updateControlFromParameter(index, value);
}

float Kelvane::getParameter(int32_t index)
{
    if (index < 0 || index >= kNumParameters)
        return 0.f;
    return liveRecord().values[index];
}

void Kelvane::getParameterName(int32_t index, char* text)
{
    copyBounded(text, ParameterTable::name(index, getParameter(ParameterTable::kNoiseSelect)),
                ParameterTable::kNameChars);
}

void Kelvane::getParameterLabel(int32_t index, char* text)
{
    copyBounded(text, ParameterTable::label(index, getParameter(ParameterTable::kNoiseSelect)),
                ParameterTable::kNameChars);
}

void Kelvane::getParameterDisplay(int32_t index, char* text)
{
    ParameterTable::formatDisplay(index, liveRecord().values, text);
}

void Kelvane::reapplyParameters()
{
    for (int i = 0; i < kNumParameters; ++i)
        setParameter(i, getParameter(i));
}

float Kelvane::getConcertPitch() { return concertPitch; }

float Kelvane::getPitchBendRange() { return std::trunc(12.f * getParameter(ParameterTable::kPitchRange)); }

bool Kelvane::isSpringBLinked() { return getParameter(ParameterTable::kSpringBLink) != 0.f; }

// The sync switches read trunc(v): on only at 1.
bool Kelvane::isEchoSynced() { return getParameter(ParameterTable::kEchoSync) >= 1.f; }

bool Kelvane::isLfoSynced() { return getParameter(ParameterTable::kLfoSync) >= 1.f; }
