#include "controls/Trigger.h"

#include "controls/ControlCursor.h"
#include "controls/ControlInk.h"
#include "controls/DrawState.h"
#include "controls/EditGesture.h"

#include "toolkit/CDrawContext.h"
#include "toolkit/CFrame.h"

using namespace VSTGUI;

namespace {

constexpr CColor kButtonFill(250, 210, 100, 48);

uint8_t alphaOf(double a) { return a <= 0.0 ? 0 : (a >= 255.0 ? 255 : static_cast<uint8_t>(a)); }

void fillTriangle(CDrawContext* context, const CPoint& a, const CPoint& b, const CPoint& c)
{
    const CPoint points[3] = {a, b, c};
    context->drawPolygon(points, 3, kDrawFilled);
}

} // namespace

Trigger::Trigger(const CRect& viewSize, IControlListener* controlListener, int32_t controlTag, uint8_t buttonStyle)
    : CControl(viewSize, controlListener, controlTag), style(buttonStyle), rect(viewSize)
{
    // The load and save buttons report 2 for their second entry (the bank).
    if (style == kLoad || style == kSave)
        setMax(2.f);
}

// ---------------------------------------------------------------------------
// Drawing

void Trigger::draw(CDrawContext* context)
{
    setControlDrawState(context);
    context->setFillColor(kButtonFill);

    const double L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    const double W = rect.getWidth(), H = rect.getHeight();
    const float v = getValue();

    switch (style)
    {
    case kArrowNext: fillTriangle(context, CPoint(L, T), CPoint(L, B), CPoint(R, T + H / 2)); break;
    case kArrowPrevious: fillTriangle(context, CPoint(R, T), CPoint(R, B), CPoint(L, T + H / 2)); break;
    case kLoadClosing:
        // The frame repaints what lay under the box (the view shrank back).
        style = kLoad;
        [[fallthrough]];
    case kLoad: fillTriangle(context, CPoint(R, B), CPoint(L, B), CPoint(L + W / 2, T)); break;
    case kLoadOpen:
        fillTriangle(context, CPoint(R, B), CPoint(L, B), CPoint(L + W / 2, T));
        drawBox(context, "LOAD PRESET", "LOAD BANK");
        break;
    case kSaveClosing: style = kSave; [[fallthrough]];
    case kSave: fillTriangle(context, CPoint(R, T), CPoint(L, T), CPoint(L + W / 2, B)); break;
    case kSaveOpen:
        fillTriangle(context, CPoint(R, T), CPoint(L, T), CPoint(L + W / 2, B));
        drawBox(context, "SAVE PRESET", "SAVE BANK");
        break;
    case kLinkToggle: {
        context->setFillColor(CColor(230, 180, 70, alphaOf(48 + 100 * v)));
        const CPoint points[4] = {CPoint(R, T), CPoint(R, B), CPoint(L, B), CPoint(L, T)};
        context->drawPolygon(points, 4, kDrawFilled);
        break;
    }
    case kTabPresets: drawTab(context, "PRESETS", 480); break;
    case kTabMicrotuning: drawTab(context, "MICROTUNING", 579); break;
    case kTabModulation: drawTab(context, "MODULATION", 724); break;
    case kTabEffects: drawTab(context, "EFFECTS", 857); break;
    case kNotesPitchBend: drawTwoWay(context, "NOTES", "PITCH BEND", 60, 101); break;
    case kDelaySand: drawTwoWay(context, "DELAY", "SAND", 80, 81); break;
    case kLfoEnv: drawTwoWay(context, "LFO", "ENV", 80, 81); break;
    case kShiftUp: drawCircularArrow(context, true); break;
    case kShiftDown: drawCircularArrow(context, false); break;
    case kEchoSync:
    case kLfoSync: drawSyncToggle(context); break;
    case kPanic: {
        SharedPointer<CFontDesc> font = arialFont(14);
        context->setFont(font);
        context->setFontColor(CColor(230, 180, 70, alphaOf(48 + 100 * hover)));
        context->drawString("PANIC", CPoint(L + 7, B - 1));
        break;
    }
    default: // 20, the invisible click area, and unknown styles
        break;
    }
    setDirty(false);
}

void Trigger::drawBox(CDrawContext* context, const char* first, const char* second)
{
    CRect oldClip;
    context->getClipRect(oldClip);
    CRect clip(box);
    clip.bound(oldClip);
    context->setClipRect(clip);
    // A plain panel under the box, so nothing shows through its translucent fill.
    if (CFrame* frame = getFrame())
        frame->drawBackgroundRect(context, box);

    // Filled and outlined in the ink, like every other LCD element.
    context->setFrameColor(inkColor(128));
    context->setLineWidth(1);
    context->setFillColor(inkColor(128));
    context->drawRect(box, kDrawFilledAndStroked);
    context->setFillColor(CColor(255, 235, 180, 128));
    CRect inner(box);
    inner.inset(4, 4);
    context->drawRect(inner, kDrawFilled);

    SharedPointer<CFontDesc> font = arialFont(18);
    context->setFont(font);
    context->setFontColor(inkColor(155));
    context->drawString(first, CPoint(box.left + 4, box.top + 20));
    context->drawString(second, CPoint(box.left + 4, box.top + 40));

    context->setFillColor(inkColor(70));
    if (choice == 1)
        context->drawRect(firstEntry, kDrawFilled);
    else if (choice == 2)
        context->drawRect(secondEntry, kDrawFilled);
    context->setClipRect(oldClip);
}

void Trigger::drawTab(CDrawContext* context, const char* label, double x0)
{
    // The tab's label glows while its page is shown; inactive tabs draw nothing.
    const float v = getValue();
    SharedPointer<CFontDesc> font = arialFont(18);
    context->setFont(font);
    context->setFontColor(CColor(95, 40, 20, alphaOf(155 * v)));
    context->drawString(label, CPoint(x0 + 1, 64));
    context->setFontColor(CColor(255, 80, 20, alphaOf(20 * v)));
    context->drawString(label, CPoint(x0 + 1, 64));
    context->setFontColor(CColor(255, 220, 120, alphaOf(155 * v)));
    context->drawString(label, CPoint(x0, 63));
}

void Trigger::drawTwoWay(CDrawContext* context, const char* left, const char* right, double split, double leftPartInset)
{
    const double L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    const float v = getValue();
    const double h = hover;

    context->setFillColor(CColor(150, 110, 40, 150));
    context->drawRect(rect, kDrawFilled);

    SharedPointer<CFontDesc> font = arialFont(14);
    context->setFont(font);
    context->setFontColor(inkColor(alphaOf(140 + 40 * h + (v == 0.f ? 60 : 0))));
    context->drawString(left, CPoint(L + 3, T + 15));

    context->setLineWidth(2);
    context->setFrameColor(inkColor(alphaOf(90 + 40 * h)));
    context->drawRect(CRect(L + 1, T + 1, R - 1, B - 1), kDrawStroked);

    context->setFontColor(inkColor(alphaOf(140 + 40 * h + (v == 1.f ? 60 : 0))));
    context->drawString(right, CPoint(L + split + 3, T + 15));

    context->drawLine(CPoint(L + split, T + 2), CPoint(L + split, B - 3));

    context->setFillColor(inkColor(alphaOf(30 * (h + 1))));
    if (v != 0.f)
        context->drawRect(CRect(L + split + 1, T + 1, R, B - 1), kDrawFilled);
    else
        context->drawRect(CRect(L + 1, T + 1, R - leftPartInset, B - 1), kDrawFilled);
}

void Trigger::drawSyncToggle(CDrawContext* context)
{
    const double L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    const double v = getValue();
    const double h = hover;
    const CRect inner(L + 1, T + 1, R - 1, B - 1);

    if (v == 1.0)
    {
        context->setFillColor(inkColor(alphaOf(20 + 50 * h + 60 * v)));
        context->drawRect(inner, kDrawFilled);
    }
    context->setLineWidth(2);
    context->setFrameColor(inkColor(alphaOf(30 + 40 * h + 60 * v)));
    context->drawRect(inner, kDrawStroked);

    SharedPointer<CFontDesc> font = arialFont(14);
    context->setFont(font);
    context->setFontColor(
        CColor(alphaOf(30 + 180 * v), alphaOf(20 + 150 * v), alphaOf(10 + 100 * v), alphaOf(140 + 40 * h + 60 * v)));
    context->drawString("SYNC", CPoint(L + 5, T + 15));
}

void Trigger::drawCircularArrow(CDrawContext* context, bool clockwise)
{
    const double L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    const CColor ink = inkColor(alphaOf(140 + 60 * hover));
    context->setFrameColor(ink);
    context->setFillColor(ink);
    context->setLineWidth(2);
    const CRect circle(L + 2, T + 3, R - 2, B - 1);
    if (clockwise)
    {
        context->drawArc(circle, 10.f, 301.f, kDrawStroked);
        fillTriangle(context, CPoint(R - 3, T), CPoint(R, T + 9), CPoint(R - 10, T + 9));
    }
    else
    {
        fillTriangle(context, CPoint(L + 3.5, T), CPoint(L + 10.5, T + 9), CPoint(L + 0.5, T + 9));
        context->drawArc(circle, 241.f, 170.f, kDrawStroked);
    }
}

// ---------------------------------------------------------------------------
// Mouse

void Trigger::openBox(double leftShift, uint8_t openStyle)
{
    box = CRect(rect.left - leftShift, rect.bottom + 12, rect.left - leftShift + 180, rect.bottom + 12 + 44);
    firstEntry = CRect(box.left + 2, box.top + 2, box.left + 2 + 176, box.top + 2 + 20);
    secondEntry = firstEntry;
    secondEntry.offset(0, 20);
    choice = 0;
    style = openStyle;
    // The box lies outside the button: grow the view over it while it is
    // open so the frame draws it (the held button has the mouse meanwhile;
    // view and hit area shrink back on release).
    CRect grown(rect);
    grown.unite(box);
    setViewSize(grown);
    invalid();
}

CMouseEventResult Trigger::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    // A box that closed but has not been redrawn yet is a plain load or save
    // button again; a second click must not repeat the last choice.
    if (style == kLoadOpen || style == kLoadClosing)
        style = kLoad;
    else if (style == kSaveOpen || style == kSaveClosing)
        style = kSave;

    switch (style)
    {
    case kLoad: openBox(95, kLoadOpen); break;
    case kSave: openBox(125, kSaveOpen); break;
    case kLinkToggle:
    case kEchoSync:
    case kLfoSync: {
        EditGesture gesture(*this);
        setValue(getValue() != 0.f ? 0.f : 1.f);
        valueChanged();
        break;
    }
    case kNotesPitchBend: {
        EditGesture gesture(*this);
        setValue(where.x < rect.left + rect.getWidth() / 2 - 20 ? 0.f : 1.f);
        valueChanged();
        break;
    }
    case kDelaySand:
    case kLfoEnv: {
        EditGesture gesture(*this);
        setValue(where.x < rect.left + rect.getWidth() / 2 ? 0.f : 0.34f);
        valueChanged();
        break;
    }
    default: // a plain command button
        valueChanged();
        break;
    }
    return kMouseEventHandled;
}

CMouseEventResult Trigger::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (isBoxOpen())
    {
        if (firstEntry.pointInside(where))
            choice = 1;
        else if (secondEntry.pointInside(where))
            choice = 2;
        else
            choice = 0;
        invalid();
    }
    return kMouseEventHandled;
}

CMouseEventResult Trigger::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (isBoxOpen())
    {
        style = style == kLoadOpen ? kLoadClosing : kSaveClosing;
        // Shrinking back invalidates the box area, so the panel and whatever
        // lies under the box are repainted.
        setViewSize(rect);
        setValue(static_cast<float>(choice));
        valueChanged();
        choice = 0;
        invalid();
    }
    return kMouseEventHandled;
}

CMouseEventResult Trigger::onMouseEntered(CPoint& where, const CButtonState& buttons)
{
    hover = 1.f;
    invalid();
    setFrameCursor(*this, kCursorHand);
    return kMouseEventHandled;
}

CMouseEventResult Trigger::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    hover = 0.f;
    invalid();
    setFrameCursor(*this, kCursorDefault);
    return kMouseEventHandled;
}
