#pragma once
// The instrument's editor record joined to the toolkit: the host's editor
// opcodes (rectangle, open, close, idle, keys, knob mode) reach a CFrame,
// and the frame's automation gestures reach the host as beginEdit/endEdit.
//
// The GUI thread is the thread that runs idle (at first the one that called
// open): hosts may idle from a thread of their own. Everything that touches
// a view runs there; other threads may only record changes.

#include "plugin/InstrumentEditor.h"

#include "toolkit/CFrame.h"
#include "toolkit/VSTGUIEditorInterface.h"

#include <atomic>
#include <thread>

class AudioEffectX;

class AEffGUIEditor : public InstrumentEditor, public VSTGUI::VSTGUIEditorInterface
{
public:
    explicit AEffGUIEditor(AudioEffectX* effect);
    ~AEffGUIEditor() override;

    bool getRect(ERect** rect) override;
    // A null parent opens a headless frame: drawn into an image, no window.
    bool open(void* parent) override;
    void close() override;
    bool isOpen() override { return frameOpen.load(std::memory_order_acquire); }
    void idle() override;
    bool onKeyDown(::VstKeyCode& keyCode) override;
    bool onKeyUp(::VstKeyCode& keyCode) override;
    bool setKnobMode(int32_t mode) override;

    // VSTGUIEditorInterface
    int32_t getKnobMode() const override { return knobMode.load(std::memory_order_relaxed); }
    void beginEdit(int32_t index) override;
    void endEdit(int32_t index) override;

    bool isGuiThread() const { return std::this_thread::get_id() == guiThread.load(std::memory_order_relaxed); }

protected:
    // Creates and opens the frame on the parent; false when that fails.
    bool openFrame(void* parent);
    // The calling thread becomes the GUI thread.
    void adoptGuiThread() { guiThread.store(std::this_thread::get_id(), std::memory_order_relaxed); }

    ERect rect{0, 0, 480, 1024};
    AudioEffectX* hostEffect;

private:
    static std::atomic<int32_t> knobMode; // one mode for every instance, as the host sets it
    std::atomic<bool> frameOpen{false};
    std::atomic<std::thread::id> guiThread{};
    bool inIdle = false;
};
