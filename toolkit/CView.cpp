#include "toolkit/CView.h"

#include "toolkit/CDrawContext.h"
#include "toolkit/CFrame.h"

namespace VSTGUI {

CView::CView(const CRect& r) : size(r), mouseableArea(r) {}

CView::CView(const CView& v)
    : CBaseObject(v), size(v.size), mouseableArea(v.mouseableArea), background(v.background), alphaValue(v.alphaValue),
      visible(v.visible), mouseEnabled(v.mouseEnabled), transparent(v.transparent), wantsFocusFlag(v.wantsFocusFlag)
{}

CView::~CView() = default;

void CView::draw(CDrawContext* context)
{
    if (background)
        background->draw(context, size);
    setDirty(false);
}

void CView::drawRect(CDrawContext* context, const CRect& updateRect) { draw(context); }

void CView::setDirty(bool state) { dirty = state; }

void CView::invalid()
{
    if (parentFrame && !parentFrame->isGuiThread())
    {
        setDirty(true); // redrawn at the next idle
        return;
    }
    setDirty(false);
    invalidRect(size);
}

void CView::invalidRect(const CRect& r)
{
    if (parentFrame && !parentFrame->isGuiThread())
    {
        setDirty(true);
        return;
    }
    if (isVisible())
        invalidateInParent(r);
}

void CView::invalidateInParent(const CRect& r)
{
    if (attachedFlag && parentView)
        parentView->invalidRect(r);
}

CMouseEventResult CView::onMouseDown(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseUp(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseMoved(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseCancel() { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseEntered(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseExited(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }

bool CView::onWheel(const CPoint&, const float&, const CButtonState&) { return false; }

bool CView::onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                    const CButtonState& buttons)
{
    const float d = axis == kMouseWheelAxisX ? -distance : distance;
    return onWheel(where, d, buttons);
}

bool CView::hitTest(const CPoint& where, const CButtonState&) { return mouseableArea.pointInside(where); }

void CView::setViewSize(const CRect& rect, bool inv)
{
    if (rect == size)
        return;
    if (inv && isVisible())
        invalidateInParent(size);
    // The hit area moves with the view unless it was set apart from it.
    if (mouseableArea == size)
        mouseableArea = rect;
    size = rect;
    if (inv)
        setDirty(true);
}

CPoint& CView::localToFrame(CPoint& point) const
{
    for (const CView* p = parentView; p; p = p->getParentView())
        point.offset(p->getViewSize().left, p->getViewSize().top);
    return point;
}

CPoint& CView::frameToLocal(CPoint& point) const
{
    for (const CView* p = parentView; p; p = p->getParentView())
        point.offset(-p->getViewSize().left, -p->getViewSize().top);
    return point;
}

void CView::setVisible(bool state)
{
    if (state == visible)
        return;
    if (!state)
    {
        if (isVisible())
            invalidateInParent(size);
        visible = false;
    }
    else
    {
        visible = true;
        invalid();
    }
}

void CView::setAlphaValue(float alpha)
{
    if (alpha == alphaValue)
        return;
    alphaValue = alpha;
    invalid();
}

bool CView::attached(CView* parent)
{
    if (attachedFlag)
        return false;
    parentView = parent;
    parentFrame = parent ? parent->getFrame() : nullptr;
    attachedFlag = true;
    return true;
}

bool CView::removed(CView* parent)
{
    if (!attachedFlag)
        return false;
    parentView = nullptr;
    parentFrame = nullptr;
    attachedFlag = false;
    return true;
}

void CView::setBackground(CBitmap* bmp)
{
    background = SharedPointer<CBitmap>(bmp);
    setDirty(true);
}

} // namespace VSTGUI
