#include "controls/LCDSlider.h"

#include "controls/ControlCursor.h"
#include "controls/ControlHost.h"
#include "controls/ControlInk.h"
#include "controls/DrawState.h"
#include "controls/EditGesture.h"
#include "controls/WheelStep.h"

#include "toolkit/CDrawContext.h"

#include <algorithm>

using namespace VSTGUI;

LCDSlider::LCDSlider(const CRect& rectangle, IControlListener* controlListener, int32_t controlTag, bool isEmphasised)
    : CControl(rectangle, controlListener, controlTag), emphasised(isEmphasised), rect(rectangle)
{
    setWheelInc(0.001f);
}

// A fader no more than 3 pixels high would divide by zero or drag backwards;
// give it at least one pixel of travel.
double LCDSlider::travel() const { return std::max(rect.getHeight() - 3.0, 1.0); }

void LCDSlider::draw(CDrawContext* context)
{
    const double h = hovered ? 1.0 : 0.0;
    const uint8_t e = emphasised ? 1 : 0;
    const double v = inverted ? 1.0 - getValue() : getValue();
    const double markerY = rect.bottom - (rect.getHeight() - 3.0) * v - 2.0;

    const CRect box(rect.left + h, rect.top + h, rect.right, rect.bottom);
    setControlDrawState(context);
    context->setLineWidth(h + 3.0);
    context->setFrameColor(inkColor(static_cast<uint8_t>(30 + 80 * e)));
    context->drawRect(box, kDrawStroked);
    context->setFillColor(inkColor(static_cast<uint8_t>(20 + 50 * e)));
    context->drawRect(box, kDrawFilled);

    const double centreY = rect.top + rect.getHeight() / 2.0 - 1.0;
    context->setFrameColor(inkColor(60));
    context->setLineWidth(1);
    context->drawLine(CPoint(rect.left, centreY), CPoint(rect.right, centreY));

    context->setFrameColor(inkColor(180));
    context->setLineWidth(3);
    context->drawLine(CPoint(rect.left + 2.0, markerY), CPoint(rect.right - 2.0, markerY));
    setDirty(false);
}

CMouseEventResult LCDSlider::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    drag.begin(where, getValue());
    EditGesture gesture(*this);
    return kMouseEventHandled;
}

CMouseEventResult LCDSlider::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!drag.dragging)
        return kMouseEventHandled;
    drag.followFineMode(where, buttons, getValue(), true);
    double d = (drag.anchor.y - where.y) / travel();
    if (drag.fine)
        d *= RelativeDrag::kFineFactor;
    dragStep(*this, static_cast<float>(inverted ? drag.startValue - d : drag.startValue + d));
    return kMouseEventHandled;
}

CMouseEventResult LCDSlider::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    drag.end();
    return kMouseEventHandled;
}

CMouseEventResult LCDSlider::onMouseEntered(CPoint& where, const CButtonState& buttons)
{
    setFrameCursor(*this, kCursorVSize);
    hovered = true;
    if (ControlHost* host = controlHostOf(this))
    {
        host->showTuningReadout(getValue(), getTag());
        host->setTuningReadoutVisible(true);
    }
    setDirty();
    return kMouseEventHandled;
}

CMouseEventResult LCDSlider::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    setFrameCursor(*this, kCursorDefault);
    hovered = false;
    setDirty();
    if (ControlHost* host = controlHostOf(this))
        host->setTuningReadoutVisible(false);
    return kMouseEventHandled;
}

bool LCDSlider::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (!getMouseEnabled())
        return false;
    const float signedDistance = inverted ? -distance : distance;
    applyWheelValue(*this, continuousWheelValue(getValue(), signedDistance, getWheelInc(), buttons));
    invalid();
    return true;
}
