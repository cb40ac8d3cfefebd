#pragma once
// The editor seam: an effect that owns an editor forwards the effEdit... opcodes
// to it. The default answers say "no window".
#include <cstdint>

#include "vst2/VstRecords.h"

class AudioEffect;

class AEffEditor
{
public:
    explicit AEffEditor(AudioEffect* owner = nullptr) : effect(owner) {}
    virtual ~AEffEditor() = default;
    AEffEditor(const AEffEditor&) = delete;
    AEffEditor& operator=(const AEffEditor&) = delete;

    AudioEffect* getEffect() { return effect; }

    // Stores the address of a rectangle the editor owns; must work before open().
    virtual bool getRect(ERect** rect)
    {
        *rect = nullptr;
        return false;
    }
    // ptr is the host's parent window (an X Window id on Linux).
    virtual bool open(void* ptr)
    {
        systemWindow = ptr;
        return false;
    }
    virtual void close() { systemWindow = nullptr; }
    virtual bool isOpen() { return systemWindow != nullptr; }
    virtual void idle() {}
    virtual bool onKeyDown(VstKeyCode& keyCode) { return false; }
    virtual bool onKeyUp(VstKeyCode& keyCode) { return false; }
    virtual bool setKnobMode(int32_t mode) { return false; }

protected:
    AudioEffect* effect;
    void* systemWindow = nullptr;
};
