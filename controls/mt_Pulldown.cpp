#include "controls/mt_Pulldown.h"

#include "controls/ControlInk.h"
#include "controls/DrawState.h"

#include "toolkit/CDrawContext.h"

#include <cmath>

using namespace VSTGUI;

namespace {
// The entries in the order the template commands number them in each mode.
const char* const kNotesEntries[mt_Pulldown::kEntryCount] = {"RESET", "MEAN", "JUST", "OCTATONIC", "LOAD", "SAVE"};
const char* const kPitchBendEntries[mt_Pulldown::kEntryCount] = {"RESET",     "TONIC Cmaj", "PENTATONIC",
                                                                 "OCTATONIC", "LOAD",       "SAVE"};
// Text starts 3 pixels in and stays a pixel clear of the 2-pixel outline.
constexpr double kTextLeft = 3.0;
constexpr double kTextRightMargin = 4.0;
constexpr double kSmallestEntryFontSize = 9.0;

uint8_t alphaOf(double a) { return a <= 0.0 ? 0 : (a >= 255.0 ? 255 : static_cast<uint8_t>(a)); }
} // namespace

mt_Pulldown::mt_Pulldown(const CRect& viewSize, IControlListener* controlListener)
    : CControl(viewSize, controlListener, kTag), savedRect(viewSize)
{}

void mt_Pulldown::setPitchBend(bool state)
{
    if (state == pitchBend)
        return;
    pitchBend = state;
    setDirty();
}

const char* mt_Pulldown::entryText(int32_t entryRow) const
{
    if (entryRow < 1 || entryRow > kEntryCount)
        return nullptr;
    return (pitchBend ? kPitchBendEntries : kNotesEntries)[entryRow - 1];
}

void mt_Pulldown::setEntryFont(CDrawContext* context, const char* text) const
{
    SharedPointer<CFontDesc> font = arialFont(kEntryFontSize);
    const double room = size.getWidth() - kTextLeft - kTextRightMargin;
    double fontSize = kEntryFontSize;
    context->setFont(font, fontSize, kBoldFace);
    while (fontSize > kSmallestEntryFontSize && context->getStringWidth(text) > room)
    {
        fontSize -= 0.5;
        context->setFont(font, fontSize, kBoldFace);
    }
}

void mt_Pulldown::draw(CDrawContext* context)
{
    const double L = size.left, T = size.top, R = size.right, B = size.bottom;
    const double h = hover;

    setControlDrawState(context);
    context->setFillColor(CColor(150, 110, 40, alphaOf(150 + 60 * h)));
    context->drawRect(size, kDrawFilled);
    context->setFrameColor(inkColor(alphaOf(60 * (h + 1))));

    SharedPointer<CFontDesc> font = arialFont(14);
    context->setFont(font);
    context->setFontColor(inkColor(alphaOf(90 + 60 * h)));
    context->drawString("TEMPLATES", CPoint(L + 3, T + 15));

    if (open)
    {
        context->setFontColor(inkColor(200));
        for (int32_t r = 1; r <= kEntryCount; ++r)
        {
            setEntryFont(context, entryText(r));
            context->drawString(entryText(r), CPoint(L + kTextLeft, T + kRowHeight * r + 15));
        }
        if (const char* chosenText = entryText(row))
        {
            context->setFillColor(inkColor(100));
            context->drawRect(CRect(L + 2, T + kRowHeight * row, R - 1, T + kRowHeight * row + kRowHeight),
                              kDrawFilled);
            context->setFontColor(CColor(190, 150, 60, 200));
            setEntryFont(context, chosenText);
            context->drawString(chosenText, CPoint(L + kTextLeft, T + kRowHeight * row + 15));
        }
    }

    context->setLineWidth(2);
    context->drawRect(CRect(L + 1, T + 1, R - 1, B - 1), kDrawStroked);
    // The dirty flag is left alone: the frame clears it when it invalidates.
}

CMouseEventResult mt_Pulldown::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    open = true;
    CRect unfolded(savedRect);
    unfolded.setHeight(kOpenHeight);
    setViewSize(unfolded);
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult mt_Pulldown::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    const double top = size.top;
    if (where.y > top)
    {
        // Rows past the list all read as one row that selects nothing (a
        // pointer far below must not wrap round to an entry).
        const double r = std::trunc((where.y - top) / kRowHeight);
        row = r >= kBeyondList ? kBeyondList : static_cast<uint8_t>(r);
    }
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult mt_Pulldown::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    // Shrinking back invalidates the unfolded area, so the panel beneath is repainted.
    setViewSize(savedRect);
    open = false;
    chosen = static_cast<float>(row);
    valueChanged();
    return kMouseEventHandled;
}

CMouseEventResult mt_Pulldown::onMouseEntered(CPoint& where, const CButtonState& buttons)
{
    hover = 1.f;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult mt_Pulldown::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    hover = 0.f;
    invalid();
    return kMouseEventHandled;
}
