#include "controls/LCDDial.h"

#include "controls/ControlCursor.h"
#include "controls/ControlInk.h"
#include "controls/DrawState.h"
#include "controls/WheelStep.h"

#include "toolkit/CDrawContext.h"
#include "toolkit/CGraphicsPath.h"

#include <cstring>

using namespace VSTGUI;

namespace {

void copyCut(char* dest, const char* text, size_t maxLength)
{
    size_t n = text ? std::strlen(text) : 0;
    if (n > maxLength)
        n = maxLength;
    if (n > 0)
        std::memcpy(dest, text, n);
    dest[n] = '\0';
}

} // namespace

LCDDial::LCDDial(const CRect& rectangle, IControlListener* controlListener, int32_t controlTag)
    : CControl(rectangle, controlListener, controlTag),
      knobCentre(rectangle.left + 90.0 + rectangle.getHeight() / 2.0, rectangle.top + rectangle.getHeight() / 2.0),
      pointer(knobCentre, 0.4f * static_cast<float>(rectangle.getHeight())), rect(rectangle)
{
    setWheelInc(0.001f);
}

void LCDDial::setLabel(const char* text)
{
    copyCut(label, text, kMaxLabel);
    labelIndent = 10 - static_cast<int32_t>(std::strlen(label));
}

void LCDDial::setValueText(const char* text)
{
    copyCut(valueText, text, kMaxValueText);
    setDirty();
}

void LCDDial::draw(CDrawContext* context)
{
    const double h = highlighted ? 1.0 : 0.0;
    const uint8_t hi = highlighted ? 1 : 0;
    const double height = rect.getHeight();
    const double knobSize = height - 2.0 * h - 6.0;
    CRect knob(rect.left + 90.0 + h + 3.0, rect.top + h + 3.0, 0, 0);
    setControlDrawState(context);
    knob.right = knob.left + knobSize;
    knob.bottom = knob.top + knobSize;

    // Ring and faint disc.
    const CColor frame = inkColor(static_cast<uint8_t>(100 + 60 * hi));
    context->setLineWidth(h + 1.0);
    context->setFrameColor(frame);
    context->drawEllipse(knob, kDrawStroked);
    context->setFillColor(inkColor(static_cast<uint8_t>(5 + 20 * hi)));
    context->drawEllipse(knob, kDrawFilled);

    // Zero mark toward the lower left.
    const CPoint centre = knob.getCenter();
    context->setLineWidth(1);
    context->drawLine(centre, CPoint(knob.left + 5.0, knob.bottom - 5.0));

    // Value wedge, clockwise from the lower left over the top.
    context->setFillColor(inkColor(static_cast<uint8_t>(75 * (hi + 1))));
    if (CGraphicsPath* path = context->createGraphicsPath())
    {
        path->beginSubpath(centre);
        path->addArc(knob, 135.0, 135.0 + 270.0 * getValue(), true);
        context->drawGraphicsPath(path, CDrawContext::kPathFilled);
        path->forget();
    }

    // Bracket open to the left around the value text.
    const double cx = knobCentre.x;
    const double cy = knobCentre.y;
    const double right = rect.right;
    context->setLineWidth(2);
    context->setFrameColor(frame);
    context->drawLine(CPoint(cx + 14.0, cy - 10.0), CPoint(right - 1.0, cy - 10.0));
    context->drawLine(CPoint(right - 1.0, cy - 10.0), CPoint(right - 1.0, cy + 10.0));
    context->drawLine(CPoint(right - 1.0, cy + 10.0), CPoint(cx + 14.0, cy + 10.0));

    context->setFont(arialFont(14));
    context->setFontColor(inkColor(160));
    context->drawString(label, CPoint(rect.left + 10.0 * labelIndent, rect.top + 26.0));
    context->drawString(valueText, CPoint(rect.left + 135.0, rect.top + 26.0));
    setDirty(false);
}

CMouseEventResult LCDDial::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (pointer.hover(*this, where, highlighted))
    {
        if (highlighted)
            invalid();
        else
            setDirty();
    }
    pointer.follow(*this, where, buttons, true);
    return kMouseEventHandled;
}

CMouseEventResult LCDDial::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    return pointer.press(*this, where, highlighted);
}

CMouseEventResult LCDDial::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    pointer.release();
    return kMouseEventHandled;
}

CMouseEventResult LCDDial::onMouseEntered(CPoint& where, const CButtonState& buttons) { return kMouseEventHandled; }

CMouseEventResult LCDDial::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    setFrameCursor(*this, kCursorDefault);
    highlighted = false;
    setDirty();
    return kMouseEventHandled;
}

bool LCDDial::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (!getMouseEnabled())
        return false;
    applyWheelValue(*this, continuousWheelValue(getValue(), distance, getWheelInc(), buttons));
    setDirty();
    return true;
}
