#include "toolkit/CFrame.h"

#include "toolkit/CBitmap.h"
#include "toolkit/CDrawContext.h"
#include "toolkit/CTextEdit.h"
#include "toolkit/HeadlessPlatformFrame.h"
#include "toolkit/SharedPointer.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {

namespace {
// Keeps a view alive while one of its handlers runs (it may remove itself).
using ViewGuard = SharedPointer<CView>;

bool isInside(const CView* view, const CView* ancestor)
{
    for (const CView* v = view; v; v = v->getParentView())
        if (v == ancestor)
            return true;
    return false;
}
} // namespace

CFrame::CFrame(const CRect& r, VSTGUIEditorInterface* ed) : CViewContainer(r), editor(ed) { parentFrame = this; }

CFrame::~CFrame()
{
    CFrame::removeAll(true);
    closePlatform();
}

bool CFrame::open(void* parent)
{
    if (platformFrame)
        return false;
    const int w = static_cast<int>(getWidth());
    const int h = static_cast<int>(getHeight());
    if (w < 1 || h < 1)
        return false;
    backBuffer = owned(createPlatformBitmap(w, h));
    if (!backBuffer)
        return false;
    if (parent)
        platformFrame = createWindowPlatformFrame(this, parent);
    else
        platformFrame = std::make_unique<HeadlessPlatformFrame>();
    if (!platformFrame)
    {
        backBuffer = nullptr;
        return false;
    }
    guiThread.store(std::this_thread::get_id(), std::memory_order_relaxed);
    CView::attached(nullptr);
    parentFrame = this;
    for (CView* c : children)
        c->attached(this);
    invalid();
    updateNow();
    return true;
}

void CFrame::close()
{
    removeAll(true);
    closePlatform();
    forget();
}

void CFrame::closePlatform()
{
    if (focusView)
        setFocusView(nullptr);
    hoverViews.clear();
    platformFrame.reset();
    backBuffer = nullptr;
    invalidRects.clear();
    if (isAttached())
    {
        for (CView* c : children)
            c->removed(this);
        CView::removed(nullptr);
        parentFrame = this;
    }
}

void CFrame::idle()
{
    if (inIdle || !platformFrame)
        return;
    inIdle = true;
    guiThread.store(std::this_thread::get_id(), std::memory_order_relaxed);
    ViewGuard guard(this);
    platformFrame->pumpEvents();
    // A window the host keeps hidden is not redrawn; dirty views and invalid
    // rectangles wait for it to show again.
    if (platformFrame && platformFrame->isShowing())
    {
        if (redrawAllRequested.exchange(false))
            invalid();
        invalidateDirtyViews();
        updateNow();
    }
    inIdle = false;
}

void CFrame::updateNow()
{
    if (!backBuffer || invalidRects.empty())
        return;
    std::vector<CRect> rects;
    rects.swap(invalidRects);
    {
        CDrawContext context(backBuffer->createGraphics(), backBuffer->getSize());
        for (const CRect& r : rects)
        {
            context.resetClipRect();
            context.setClipRect(r);
            context.clearRect(r);
            drawRect(&context, r);
        }
        context.endDraw();
    }
    if (platformFrame)
        platformFrame->present(rects);
}

void CFrame::invalidRect(const CRect& r)
{
    if (!platformFrame)
        return;
    if (!isGuiThread())
    {
        redrawAllRequested = true; // no allocation off the GUI thread
        return;
    }
    CRect rect(r);
    rect.bound(getViewSize());
    // Grow to whole pixels so no fractional edge is left unpainted.
    rect.left = std::floor(rect.left);
    rect.top = std::floor(rect.top);
    rect.right = std::ceil(rect.right);
    rect.bottom = std::ceil(rect.bottom);
    if (rect.isEmpty())
        return;
    for (auto it = invalidRects.begin(); it != invalidRects.end();)
    {
        CRect u(*it);
        u.bound(rect);
        if (u == rect) // already covered
            return;
        CRect v(rect);
        v.bound(*it);
        if (v == *it) // the new one covers it
            it = invalidRects.erase(it);
        else
            ++it;
    }
    invalidRects.push_back(rect);
}

void CFrame::draw(CDrawContext* context) { drawRect(context, getViewSize()); }

void CFrame::drawRect(CDrawContext* context, const CRect& updateRect) { CViewContainer::drawRect(context, updateRect); }

void CFrame::setCursor(CCursorType type)
{
    if (type == kCursorHidden)
    {
        pointerHidden = true;
        if (platformFrame)
            platformFrame->setCursor(kCursorHidden);
        return;
    }
    cursor = type;
    // A pointer hidden for a drag stays hidden until the button is released.
    if (pointerHidden && mouseButtonsDown)
        return;
    pointerHidden = false;
    if (platformFrame)
        platformFrame->setCursor(type);
}

void CFrame::returnKeyboardFocus()
{
    if (platformFrame)
        platformFrame->returnKeyboardFocus();
}

void CFrame::setFocusView(CView* view)
{
    if (view == focusView)
        return;
    if (view && !isChild(view, true))
        return;
    CView* old = focusView;
    focusView = view;
    if (old)
        old->looseFocus();
    if (focusView && focusView == view && view->wantsFocus())
        view->takeFocus();
}

int32_t CFrame::getKnobMode() const { return editor ? editor->getKnobMode() : kCircularMode; }

void CFrame::beginEdit(int32_t index)
{
    if (editor)
        editor->beginEdit(index);
}

void CFrame::endEdit(int32_t index)
{
    if (editor)
        editor->endEdit(index);
}

bool CFrame::setSize(CCoord width, CCoord height)
{
    CRect newSize(0, 0, width, height);
    if (newSize == getViewSize())
        return true;
    if (editor && !editor->beforeSizeChange(newSize, getViewSize()))
        return false;
    // The window is fixed-size; only the view rectangle follows.
    size = newSize;
    mouseableArea = newSize;
    return true;
}

CMouseEventResult CFrame::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    ViewGuard guard(this);
    // Any click ends text editing first (which commits the text).
    if (dynamic_cast<CTextEdit*>(focusView))
        setFocusView(nullptr);
    if (mouseDownView)
        return kMouseEventHandled; // another button during a drag
    mouseButtonsDown = true;
    return CViewContainer::onMouseDown(where, buttons);
}

CMouseEventResult CFrame::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    ViewGuard guard(this);
    const CMouseEventResult result = CViewContainer::onMouseUp(where, buttons);
    mouseButtonsDown = false;
    if (platformFrame)
        platformFrame->mouseReleased();
    if (pointerHidden)
    {
        pointerHidden = false;
        if (platformFrame)
            platformFrame->setCursor(cursor);
    }
    updateHover(where, buttons.getModifierState());
    return result;
}

CMouseEventResult CFrame::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    ViewGuard guard(this);
    if (mouseDownView)
        return CViewContainer::onMouseMoved(where, buttons);
    const CButtonState modifiers(buttons.getModifierState());
    updateHover(where, modifiers);
    const std::vector<CView*> chain(hoverViews);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    {
        if (std::find(hoverViews.begin(), hoverViews.end(), *it) == hoverViews.end())
            continue;
        ViewGuard g(*it);
        CPoint p(where);
        (*it)->frameToLocal(p);
        if ((*it)->onMouseMoved(p, modifiers) == kMouseEventHandled)
            return kMouseEventHandled;
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CFrame::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    if (mouseDownView)
        return kMouseEventHandled;
    clearHover(where, buttons.getModifierState());
    return kMouseEventHandled;
}

bool CFrame::onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                     const CButtonState& buttons)
{
    if (mouseDownView)
        return false;
    ViewGuard guard(this);
    const CButtonState modifiers(buttons.getModifierState());
    const bool handled = CViewContainer::onWheel(where, axis, distance, modifiers);
    updateHover(where, modifiers);
    return handled;
}

int32_t CFrame::onKeyDown(VstKeyCode& keyCode)
{
    if (!focusView)
        return -1;
    ViewGuard guard(focusView);
    return focusView->onKeyDown(keyCode);
}

int32_t CFrame::onKeyUp(VstKeyCode& keyCode)
{
    if (!focusView)
        return -1;
    ViewGuard guard(focusView);
    return focusView->onKeyUp(keyCode);
}

void CFrame::updateHover(const CPoint& where, const CButtonState& buttons)
{
    std::vector<CView*> chain;
    if (isAttached())
    {
        const CViewContainer* container = this;
        CPoint p(where);
        while (container)
        {
            CView* hit = nullptr;
            for (int32_t i = container->getNbViews() - 1; i >= 0; --i)
            {
                CView* v = container->getView(i);
                if (v->isVisible() && v->getMouseEnabled() && v->getMouseableArea().pointInside(p))
                {
                    hit = v;
                    break;
                }
            }
            if (!hit)
                break;
            chain.push_back(hit);
            container = dynamic_cast<CViewContainer*>(hit);
            if (container)
                container->toLocal(p);
        }
    }
    // Exits innermost first, then enters outermost first. Every view involved
    // is kept alive while the handlers run (one may remove another).
    const std::vector<CView*> old(hoverViews);
    hoverViews = chain;
    for (CView* v : old)
        v->remember();
    for (CView* v : chain)
        v->remember();
    for (auto it = old.rbegin(); it != old.rend(); ++it)
    {
        if (std::find(chain.begin(), chain.end(), *it) != chain.end() || !(*it)->isAttached())
            continue;
        CPoint p(where);
        (*it)->frameToLocal(p);
        (*it)->onMouseExited(p, buttons);
    }
    for (CView* v : chain)
    {
        if (std::find(old.begin(), old.end(), v) != old.end())
            continue;
        if (std::find(hoverViews.begin(), hoverViews.end(), v) == hoverViews.end())
            continue; // removed by an earlier handler
        CPoint p(where);
        v->frameToLocal(p);
        v->onMouseEntered(p, buttons);
    }
    for (CView* v : old)
        v->forget();
    for (CView* v : chain)
        v->forget();
}

void CFrame::clearHover(const CPoint& where, const CButtonState& buttons)
{
    const std::vector<CView*> old(hoverViews);
    hoverViews.clear();
    for (CView* v : old)
        v->remember();
    for (auto it = old.rbegin(); it != old.rend(); ++it)
    {
        if (!(*it)->isAttached())
            continue;
        CPoint p(where);
        (*it)->frameToLocal(p);
        (*it)->onMouseExited(p, buttons);
    }
    for (CView* v : old)
        v->forget();
}

void CFrame::onViewRemoved(CView* view)
{
    hoverViews.erase(
        std::remove_if(hoverViews.begin(), hoverViews.end(), [view](CView* v) { return isInside(v, view); }),
        hoverViews.end());
    if (focusView && isInside(focusView, view))
    {
        CView* old = focusView;
        focusView = nullptr;
        old->looseFocus();
        returnKeyboardFocus();
    }
    // A capture inside the removed view ends with it.
    for (CView* v = mouseDownView; v;)
    {
        if (v == view)
        {
            mouseDownView = nullptr;
            break;
        }
        auto* c = dynamic_cast<CViewContainer*>(v);
        v = c ? c->getMouseDownView() : nullptr;
    }
}

bool CFrame::removeView(CView* view, bool withForget) { return CViewContainer::removeView(view, withForget); }

bool CFrame::removeAll(bool withForget)
{
    while (getNbViews() > 0)
        CFrame::removeView(getView(getNbViews() - 1), withForget);
    mouseDownView = nullptr;
    return true;
}

CColor CFrame::getPixel(int32_t x, int32_t y) const
{
    if (!backBuffer || x < 0 || y < 0 || x >= backBuffer->getSize().x || y >= backBuffer->getSize().y)
        return kTransparentCColor;
    auto access = backBuffer->lockPixels(true);
    if (!access)
        return kTransparentCColor;
    const unsigned char* row = access->getAddress() + static_cast<size_t>(y) * access->getBytesPerRow();
    const unsigned char* px = row + 4 * x;
    const unsigned a = px[3];
    if (a == 0)
        return CColor(0, 0, 0, 0);
    auto un = [a](unsigned c) { return static_cast<uint8_t>(std::min(255u, (c * 255 + a / 2) / a)); };
    return CColor(un(px[2]), un(px[1]), un(px[0]), static_cast<uint8_t>(a));
}

bool CFrame::renderToPNG(const char* path) const
{
    if (!backBuffer || !path)
        return false;
    return backBuffer->writePNG(path);
}

} // namespace VSTGUI
