#include "toolkit/CViewContainer.h"

#include "toolkit/CControl.h"
#include "toolkit/CDrawContext.h"
#include "toolkit/CFrame.h"
#include "toolkit/SharedPointer.h"

#include <algorithm>

namespace VSTGUI {

// Keeps a view alive while one of its handlers runs (it may remove itself).
using ViewGuard = SharedPointer<CView>;

CViewContainer::CViewContainer(const CRect& r) : CView(r) {}

CViewContainer::~CViewContainer() { CViewContainer::removeAll(true); }

bool CViewContainer::addView(CView* view) { return addView(view, nullptr); }

bool CViewContainer::addView(CView* view, CView* before)
{
    if (!view || std::find(children.begin(), children.end(), view) != children.end())
        return false;
    auto pos = std::find(children.begin(), children.end(), before);
    children.insert(pos, view);
    if (isAttached())
    {
        view->attached(this);
        view->invalid();
    }
    return true;
}

bool CViewContainer::removeView(CView* view, bool withForget)
{
    auto it = std::find(children.begin(), children.end(), view);
    if (it == children.end())
        return false;
    if (mouseDownView == view)
        mouseDownView = nullptr;
    if (view->isAttached())
    {
        view->invalid();
        if (CFrame* f = getFrame())
            f->onViewRemoved(view);
        view->removed(this);
    }
    children.erase(std::find(children.begin(), children.end(), view));
    if (withForget)
        view->forget();
    return true;
}

bool CViewContainer::removeAll(bool withForget)
{
    while (!children.empty())
        CViewContainer::removeView(children.back(), withForget);
    mouseDownView = nullptr;
    return true;
}

bool CViewContainer::isChild(CView* view, bool deep) const
{
    for (CView* c : children)
    {
        if (c == view)
            return true;
        if (deep)
            if (auto* cc = dynamic_cast<CViewContainer*>(c); cc && cc->isChild(view, true))
                return true;
    }
    return false;
}

CView* CViewContainer::getView(int32_t index) const
{
    if (index < 0 || index >= getNbViews())
        return nullptr;
    return children[static_cast<size_t>(index)];
}

CView* CViewContainer::getViewAt(const CPoint& where, bool deep, bool mustbeMouseEnabled) const
{
    CPoint local(where);
    toLocal(local);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
    {
        CView* v = *it;
        if (!v->isVisible() || (mustbeMouseEnabled && !v->getMouseEnabled()))
            continue;
        if (!v->getMouseableArea().pointInside(local))
            continue;
        if (deep)
            if (auto* c = dynamic_cast<CViewContainer*>(v))
                if (CView* inner = c->getViewAt(local, true, mustbeMouseEnabled))
                    return inner;
        return v;
    }
    return nullptr;
}

void CViewContainer::setBackgroundColor(const CColor& color)
{
    backgroundColor = color;
    setDirty(true);
}

CPoint& CViewContainer::toLocal(CPoint& p) const
{
    p.offset(-size.left, -size.top);
    return p;
}

CRect& CViewContainer::toLocal(CRect& r) const
{
    r.offset(-size.left, -size.top);
    return r;
}

void CViewContainer::draw(CDrawContext* context) { drawRect(context, size); }

void CViewContainer::drawBackgroundRect(CDrawContext* context, const CRect& rect)
{
    if (backgroundColor.alpha != 0)
    {
        context->setFillColor(backgroundColor);
        context->drawRect(rect, kDrawFilled);
    }
    if (background)
        background->draw(context, size);
}

void CViewContainer::drawRect(CDrawContext* context, const CRect& updateRect)
{
    CRect oldClip;
    context->getClipRect(oldClip);
    CRect clip(size);
    clip.bound(updateRect);
    clip.bound(oldClip);
    if (clip.isEmpty())
        return;
    context->setClipRect(clip);
    drawBackgroundRect(context, clip);

    const CPoint oldOffset = context->getOffset();
    context->setOffset(oldOffset + size.getTopLeft());
    CRect localUpdate(clip);
    toLocal(localUpdate);
    const float alpha = context->getGlobalAlpha();
    for (size_t i = 0; i < children.size(); ++i)
    {
        CView* v = children[i];
        if (!v->isVisible() || !v->checkUpdate(localUpdate))
            continue;
        CRect childClip(v->getViewSize());
        childClip.bound(localUpdate);
        if (childClip.isEmpty())
            continue;
        context->setClipRect(childClip);
        context->setGlobalAlpha(alpha * v->getAlphaValue());
        v->drawRect(context, childClip);
        context->setGlobalAlpha(alpha);
    }
    context->setOffset(oldOffset);
    context->setClipRect(oldClip);
    CView::setDirty(false);
}

void CViewContainer::setDirty(bool state)
{
    CView::setDirty(state);
    if (!state)
        for (CView* c : children)
            c->setDirty(false);
}

bool CViewContainer::isDirty() const
{
    if (CView::isDirty())
        return true;
    for (CView* c : children)
        if (c->isVisible() && c->isDirty())
            return true;
    return false;
}

void CViewContainer::invalidateDirtyViews()
{
    if (!isVisible())
        return;
    if (CView::isDirty())
    {
        invalid();
        return;
    }
    for (size_t i = 0; i < children.size(); ++i)
    {
        CView* v = children[i];
        if (!v->isVisible())
            continue;
        if (auto* c = dynamic_cast<CViewContainer*>(v))
            c->invalidateDirtyViews();
        else if (v->isDirty())
            v->invalid();
    }
}

void CViewContainer::invalid()
{
    if (parentFrame && !parentFrame->isGuiThread())
    {
        CView::setDirty(true);
        return;
    }
    CView::setDirty(false);
    if (isVisible())
        invalidateInParent(size);
}

void CViewContainer::invalidRect(const CRect& r)
{
    // r is in this container's own coordinates.
    CRect rect(r);
    rect.offset(size.left, size.top);
    rect.bound(size);
    if (rect.isEmpty() || !isAttached() || !isVisible() || !parentView)
        return;
    parentView->invalidRect(rect);
}

CMouseEventResult CViewContainer::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    CPoint local(where);
    toLocal(local);
    const std::vector<CView*> list(children);
    for (auto it = list.rbegin(); it != list.rend(); ++it)
    {
        CView* v = *it;
        if (!isChild(v) || !v->isVisible() || !v->getMouseEnabled() || !v->hitTest(local, buttons))
            continue;
        ViewGuard guard(v);
        if (buttons & (kAlt | kShift | kControl | kApple | kRButton))
        {
            auto* control = dynamic_cast<CControl*>(v);
            if (control && control->getListener() &&
                control->getListener()->controlModifierClicked(control, buttons) != 0)
                return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
        }
        if (v->wantsFocus())
            if (CFrame* f = getFrame())
                f->setFocusView(v);
        CPoint p(local);
        const CMouseEventResult result = v->onMouseDown(p, buttons);
        if (result != kMouseEventNotHandled && result != kMouseEventNotImplemented)
        {
            if (result == kMouseEventHandled && isChild(v))
                mouseDownView = v;
            return result;
        }
        if (!v->getTransparency())
            return result;
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (!mouseDownView)
        return kMouseEventNotHandled;
    const ViewGuard view(mouseDownView);
    CPoint p(where);
    view->onMouseUp(toLocal(p), buttons);
    mouseDownView = nullptr;
    return kMouseEventHandled;
}

CMouseEventResult CViewContainer::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    CView* v = mouseDownView;
    if (!v)
        return kMouseEventNotHandled;
    ViewGuard guard(v);
    CPoint p(where);
    toLocal(p);
    const CMouseEventResult result = v->onMouseMoved(p, buttons);
    if (result != kMouseEventHandled && result != kMouseEventNotImplemented)
    {
        if (mouseDownView == v)
            mouseDownView = nullptr;
        return kMouseEventNotHandled;
    }
    return kMouseEventHandled;
}

CMouseEventResult CViewContainer::onMouseCancel()
{
    CView* v = mouseDownView;
    mouseDownView = nullptr;
    if (!v)
        return kMouseEventNotHandled;
    ViewGuard guard(v);
    return v->onMouseCancel();
}

void CViewContainer::clearMouseDownView() { mouseDownView = nullptr; }

bool CViewContainer::onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                             const CButtonState& buttons)
{
    CPoint local(where);
    toLocal(local);
    const std::vector<CView*> list(children);
    for (auto it = list.rbegin(); it != list.rend(); ++it)
    {
        CView* v = *it;
        if (!isChild(v) || !v->isVisible() || !v->getMouseEnabled() || !v->getMouseableArea().pointInside(local))
            continue;
        ViewGuard guard(v);
        if (v->onWheel(local, axis, distance, buttons))
            return true;
        if (!v->getTransparency())
            return false;
    }
    return false;
}

bool CViewContainer::attached(CView* parent)
{
    if (!CView::attached(parent))
        return false;
    for (CView* c : children)
        c->attached(this);
    return true;
}

bool CViewContainer::removed(CView* parent)
{
    if (!isAttached())
        return false;
    for (CView* c : children)
        c->removed(this);
    return CView::removed(parent);
}

} // namespace VSTGUI
