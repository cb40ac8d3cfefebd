#pragma once
// What a frame asks of the editor that owns it (the plug-in binding
// implements this).

#include "toolkit/CMouseEvent.h"
#include "toolkit/CRect.h"

namespace VSTGUI {

class VSTGUIEditorInterface
{
public:
    virtual ~VSTGUIEditorInterface() = default;
    virtual void doIdleStuff() {}
    virtual int32_t getKnobMode() const { return kCircularMode; }
    // Start and end of an automation gesture on parameter index.
    virtual void beginEdit(int32_t index) {}
    virtual void endEdit(int32_t index) {}
    // Asked before the frame changes size; false refuses.
    virtual bool beforeSizeChange(const CRect& newSize, const CRect& oldSize) { return true; }
    virtual CFrame* getFrame() const { return frame; }

protected:
    CFrame* frame = nullptr;
};

} // namespace VSTGUI
