#include "controls/MidiSignal.h"

#include "controls/DrawState.h"

#include "toolkit/CDrawContext.h"

using namespace VSTGUI;

namespace {
constexpr float kFadeStep = 0.05f;
} // namespace

MidiSignal::MidiSignal(const CRect& viewSize) : CView(viewSize), outer(viewSize), inner(viewSize) { inner.inset(2, 2); }

MidiSignal::MidiSignal(const MidiSignal& other)
    : CView(other), outer(other.outer), inner(other.inner), level(other.getLevel())
{}

void MidiSignal::flash(bool activity)
{
    if (activity)
        level.store(1.f, std::memory_order_relaxed);
}

bool MidiSignal::isDirty() const { return CView::isDirty() || getLevel() > 0.f; }

void MidiSignal::draw(CDrawContext* context)
{
    const float current = getLevel();
    if (current <= 0.f)
    {
        setDirty(false);
        return;
    }
    setControlDrawState(context);
    const float shown = current < 1.f ? current : 1.f;
    context->setFillColor(CColor(255, 190, 60, static_cast<uint8_t>(125.f * shown)));
    // The inner ellipse is filled over the outer one: a denser centre.
    context->drawEllipse(outer, kDrawFilled);
    context->drawEllipse(inner, kDrawFilled);
    // Fade one step per redraw; a flash that arrived meanwhile wins.
    float expected = current;
    level.compare_exchange_strong(expected, current - kFadeStep, std::memory_order_relaxed);
    setDirty(true);
}
