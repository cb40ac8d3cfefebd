#include "controls/ReadoutControl.h"

#include "controls/ControlCursor.h"
#include "controls/ControlHost.h"

using namespace VSTGUI;

ReadoutControl::ReadoutControl(const CRect& viewSize, IControlListener* controlListener, int32_t controlTag,
                               uint8_t readoutSection, uint8_t readoutItem, CCursorType cursor)
    : CControl(viewSize, controlListener, controlTag), section(readoutSection), item(readoutItem), hoverCursor(cursor)
{}

void ReadoutControl::enterHover()
{
    setFrameCursor(*this, hoverCursor);
    if (ControlHost* host = controlHostOf(this))
        host->showParameterReadout(section, item);
    hovered = true;
    invalid();
}

CMouseEventResult ReadoutControl::onMouseEntered(CPoint&, const CButtonState&)
{
    enterHover();
    return kMouseEventHandled;
}

// The read-out is written again on leaving: the editor's line then shows
// whichever control the pointer went to last.
CMouseEventResult ReadoutControl::onMouseExited(CPoint&, const CButtonState&)
{
    setFrameCursor(*this, kCursorDefault);
    if (ControlHost* host = controlHostOf(this))
        host->showParameterReadout(section, item);
    hovered = false;
    setDirty();
    return kMouseEventHandled;
}
