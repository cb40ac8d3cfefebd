#include "controls/Pianoroll.h"

#include "controls/ControlCursor.h"
#include "controls/ControlHost.h"
#include "controls/DrawState.h"

#include "toolkit/CDrawContext.h"
#include "toolkit/CGradient.h"
#include "toolkit/CGraphicsPath.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

namespace {

// Narrower than any key pair: (x - left) / 30 never exceeds the key number at x.
constexpr double kHitStride = 30.0;

} // namespace

Pianoroll::Pianoroll(const CRect& viewSize, IControlListener* controlListener)
    : CControl(viewSize, controlListener, kTag), rect(viewSize)
{}

const Pianoroll::Key* Pianoroll::key(int32_t number) const
{
    return number >= 1 && number <= kTableSize ? &keyboardKeys()[number - 1] : nullptr;
}

int32_t Pianoroll::keyAt(const CPoint& where) const
{
    // Start from a lower bound of the key number at x and take the first key
    // in number order that holds the point. The bound is taken one key lower
    // than the stride gives: at the right edge of the lowest A the stride
    // alone already points past it.
    const auto& keys = keyboardKeys();
    const double stride = std::floor((where.x - kKeyboardLeft) / kHitStride);
    int32_t first = 1;
    if (stride > kKeyCount)
        first = kKeyCount + 1;
    else if (stride >= 1.0)
        first = static_cast<int32_t>(stride);
    int32_t found = 0;
    for (int32_t n = first; n <= kKeyCount; ++n)
    {
        if (keys[n - 1].rect.pointInside(where))
        {
            found = n;
            break;
        }
    }
    // A black key lying over the right part of the white key found first wins.
    if (found != 0 && where.y < kKeyboardBlackBottom && found + 1 <= kKeyCount)
    {
        const Key& next = keys[found];
        if (next.isBlack() && next.rect.pointInside(where))
            found = next.number;
    }
    return found;
}

float Pianoroll::velocityAt(double y) { return static_cast<float>(std::min((y - kKeyboardTop) * 0.0125, 1.0)); }

void Pianoroll::play(int32_t keyNumber, double y)
{
    if (ControlHost* host = controlHostOf(this))
        host->noteOn(keyNumber + kNoteOfKeyOne - 1, velocityAt(y));
}

void Pianoroll::release(int32_t keyNumber)
{
    if (ControlHost* host = controlHostOf(this))
        host->noteOff(keyNumber + kNoteOfKeyOne - 1);
}

void Pianoroll::draw(CDrawContext* context)
{
    if (const Key* k = key(pressedKey))
    {
        setControlDrawState(context);
        SharedPointer<CGraphicsPath> path = owned(context->createGraphicsPath());
        if (path)
        {
            path->addRoundRect(k->rect, 8);
            SharedPointer<CGradient> gradient =
                owned(path->createGradient(0.0, 1.0, CColor(30, 15, 5, 0), CColor(30, 15, 5, 70)));
            if (gradient)
                context->fillLinearGradient(path, *gradient, k->rect.getTopLeft(), k->rect.getBottomLeft(), false);
        }
    }
    setDirty(false);
}

CMouseEventResult Pianoroll::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    pressedKey = keyAt(where);
    if (pressedKey != 0)
        play(pressedKey, where.y);
    // A right-button click alone holds its note after release.
    latched = buttons.isRightButton();
    setDirty();
    return kMouseEventHandled;
}

CMouseEventResult Pianoroll::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (buttons.isLeftButton() && rect.pointInside(where))
    {
        // Glide: release the old key, play the one now under the pointer.
        const int32_t k = keyAt(where);
        if (k == pressedKey)
            return kMouseEventHandled;
        if (pressedKey != 0)
            release(pressedKey);
        pressedKey = k;
        if (k != 0)
            play(k, where.y);
        setDirty();
        return kMouseEventHandled;
    }
    if (!latched && pressedKey != 0)
    {
        release(pressedKey);
        pressedKey = 0;
        setDirty();
    }
    return kMouseEventHandled;
}

CMouseEventResult Pianoroll::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (latched)
        return kMouseEventHandled;
    // Release the note that is sounding: the pointer may have reached the
    // release point without a move in between, and a key merely under the
    // pointer was never played.
    if (pressedKey != 0)
        release(pressedKey);
    pressedKey = 0;
    setDirty();
    return kMouseEventHandled;
}

CMouseEventResult Pianoroll::onMouseEntered(CPoint& where, const CButtonState& buttons)
{
    setFrameCursor(*this, kCursorHand);
    return kMouseEventHandled;
}

CMouseEventResult Pianoroll::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    setFrameCursor(*this, kCursorDefault);
    if (buttons.isLeftButton())
        return onMouseUp(where, buttons);
    return kMouseEventHandled;
}
