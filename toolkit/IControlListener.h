#pragma once
// What a control tells its listener (usually the editor).

#include "toolkit/CButtonState.h"
#include "toolkit/VSTGUIFwd.h"

namespace VSTGUI {

class IControlListener
{
public:
    virtual ~IControlListener() = default;
    virtual void valueChanged(CControl* control) = 0;
    // Modifier or right clicks; non-zero means the control must not handle it.
    virtual int32_t controlModifierClicked(CControl* control, CButtonState button) { return 0; }
    virtual void controlBeginEdit(CControl* control) {}
    virtual void controlEndEdit(CControl* control) {}
    virtual void controlTagWillChange(CControl* control) {}
    virtual void controlTagDidChange(CControl* control) {}
};

} // namespace VSTGUI
