#pragma once
// Event records of a host event batch (effProcessEvents) and of MIDI sent back
// to the host (audioMasterProcessEvents).
#include <cstdint>

enum VstEventTypes : int32_t
{
    kVstMidiType = 1,
    kVstAudioType = 2, // deprecated
    kVstVideoType = 3, // deprecated
    kVstParameterType = 4, // deprecated
    kVstTriggerType = 5, // deprecated
    kVstSysExType = 6,
};

enum VstMidiEventFlags : int32_t
{
    kVstMidiEventIsRealtime = 1,
};

// Generic header; `type` selects the concrete layout.
struct VstEvent
{
    int32_t type;
    int32_t byteSize;
    int32_t deltaFrames;
    int32_t flags;
    char data[16];
};

struct VstMidiEvent
{
    int32_t type; // kVstMidiType
    int32_t byteSize;
    int32_t deltaFrames; // sample offset within the coming block
    int32_t flags;
    int32_t noteLength;
    int32_t noteOffset;
    char midiData[4];
    char detune;
    char noteOffVelocity;
    char reserved1;
    char reserved2;
};

struct VstMidiSysexEvent
{
    int32_t type; // kVstSysExType
    int32_t byteSize;
    int32_t deltaFrames;
    int32_t flags;
    int32_t dumpBytes;
    intptr_t resvd1;
    char* sysexDump;
    intptr_t resvd2;
};

// Variable length: `events` really holds numEvents pointers.
struct VstEvents
{
    int32_t numEvents;
    intptr_t reserved;
    VstEvent* events[2];
};
