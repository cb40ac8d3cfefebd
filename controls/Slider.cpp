#include "controls/Slider.h"

#include "controls/ControlCursor.h"
#include "controls/ControlHost.h"
#include "controls/EditGesture.h"

#include <algorithm>

using namespace VSTGUI;

Slider::Slider(const CRect& rectangle, IControlListener* controlListener, int32_t controlTag, uint8_t readoutSection)
    : CControl(rectangle, controlListener, controlTag), section(readoutSection), rect(rectangle)
{}

// Nothing to draw: the needle display shows the value. Clearing the dirty
// flag keeps a changed value from asking for a repaint at every idle.
void Slider::draw(CDrawContext*) { setDirty(false); }

double Slider::clampedFrameX(const CPoint& where) const
{
    CPoint p(where);
    localToFrame(p);
    return std::clamp(p.x, kLeftX, kRightX);
}

void Slider::track(const CPoint& where, bool always)
{
    EditGesture gesture(*this);
    const double x = clampedFrameX(where);
    if (!always && x == lastX)
        return; // vertical movement changes nothing
    lastX = x;
    setValue(static_cast<float>((x - kLeftX) / (kRightX - kLeftX)));
    valueChanged();
}

CMouseEventResult Slider::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    track(where, true);
    dragging = true;
    return kMouseEventHandled;
}

CMouseEventResult Slider::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (dragging)
        track(where, false);
    return kMouseEventHandled;
}

CMouseEventResult Slider::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    dragging = false;
    return kMouseEventHandled;
}

CMouseEventResult Slider::onMouseEntered(CPoint& where, const CButtonState& buttons)
{
    setFrameCursor(*this, kCursorHSize);
    if (ControlHost* host = controlHostOf(this))
    {
        host->showParameterReadout(section, item);
        host->setHighlightedNeedle(section);
    }
    return kMouseEventHandled;
}

CMouseEventResult Slider::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    setFrameCursor(*this, kCursorDefault);
    if (ControlHost* host = controlHostOf(this))
    {
        host->showParameterReadout(section, item);
        host->setHighlightedNeedle(0);
    }
    return kMouseEventHandled;
}
