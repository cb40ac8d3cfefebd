#include "editor/AEffGUIEditor.h"

#include "common/ParamId.h"
#include "vst2/AudioEffectX.h"

using namespace VSTGUI;

std::atomic<int32_t> AEffGUIEditor::knobMode{kCircularMode};

AEffGUIEditor::AEffGUIEditor(AudioEffectX* owner) : InstrumentEditor(owner), hostEffect(owner) {}

AEffGUIEditor::~AEffGUIEditor()
{
    if (frame)
        AEffGUIEditor::close();
}

bool AEffGUIEditor::getRect(ERect** r)
{
    if (!r)
        return false;
    *r = &rect;
    return true;
}

bool AEffGUIEditor::open(void* parent)
{
    systemWindow = parent;
    return openFrame(parent);
}

bool AEffGUIEditor::openFrame(void* parent)
{
    adoptGuiThread();
    frame = new CFrame(CRect(0, 0, rect.right - rect.left, rect.bottom - rect.top), this);
    if (!frame->open(parent))
    {
        frame->forget();
        frame = nullptr;
        return false;
    }
    frameOpen.store(true, std::memory_order_release);
    return true;
}

void AEffGUIEditor::close()
{
    frameOpen.store(false, std::memory_order_release);
    systemWindow = nullptr;
    CFrame* old = frame;
    frame = nullptr;
    if (old)
        old->close(); // releases every view and the window
}

void AEffGUIEditor::idle()
{
    if (inIdle || !frame)
        return;
    inIdle = true;
    adoptGuiThread();
    frame->idle();
    inIdle = false;
}

namespace {
// The host's key record in the toolkit's form (the same three fields).
VSTGUI::VstKeyCode toolkitKey(const ::VstKeyCode& key)
{
    VSTGUI::VstKeyCode k;
    k.character = key.character;
    k.virt = key.virt;
    k.modifier = key.modifier;
    return k;
}
} // namespace

// Keys the editor does not use go back to the host (answer 0).
bool AEffGUIEditor::onKeyDown(::VstKeyCode& keyCode)
{
    VSTGUI::VstKeyCode key = toolkitKey(keyCode);
    return frame && frame->onKeyDown(key) > 0;
}

bool AEffGUIEditor::onKeyUp(::VstKeyCode& keyCode)
{
    VSTGUI::VstKeyCode key = toolkitKey(keyCode);
    return frame && frame->onKeyUp(key) > 0;
}

bool AEffGUIEditor::setKnobMode(int32_t mode)
{
    knobMode.store(mode, std::memory_order_relaxed);
    return true;
}

// Tags from 111 up are the editor's own commands, not parameters: the host
// never hears of them.
void AEffGUIEditor::beginEdit(int32_t index)
{
    if (hostEffect && isParamIndex(index))
        hostEffect->beginEdit(index);
}

void AEffGUIEditor::endEdit(int32_t index)
{
    if (hostEffect && isParamIndex(index))
        hostEffect->endEdit(index);
}
