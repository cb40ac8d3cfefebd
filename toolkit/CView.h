#pragma once
// Base of everything placed in a frame. A view's size is given in its
// parent container's coordinates; mouse positions handed to it use the same
// system.

#include "toolkit/CBaseObject.h"
#include "toolkit/CBitmap.h"
#include "toolkit/CButtonState.h"
#include "toolkit/CMouseEvent.h"
#include "toolkit/CRect.h"
#include "toolkit/SharedPointer.h"
#include "toolkit/VstKeyCode.h"

namespace VSTGUI {

class CView : public CBaseObject
{
public:
    explicit CView(const CRect& size);
    // Copies the settings, not the attachment.
    CView(const CView& view);
    ~CView() override;

    // Drawing
    virtual void draw(CDrawContext* context);
    virtual void drawRect(CDrawContext* context, const CRect& updateRect);
    virtual bool checkUpdate(const CRect& updateRect) const { return updateRect.rectOverlap(size); }
    // Only sets a flag (no drawing); the frame's idle redraws dirty views.
    virtual void setDirty(bool state = true);
    virtual bool isDirty() const { return dirty; }
    // setDirty(false) and invalidate the whole view.
    virtual void invalid();
    // Asks for a redraw of r, given in this view's parent coordinates (a
    // container takes r in its own coordinates: its children's system).
    virtual void invalidRect(const CRect& r);

    // Mouse
    virtual CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseCancel();
    virtual CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons);
    // distance +1 per notch away from the user.
    virtual bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons);
    // Default: calls the 3-argument form (x axis negated).
    virtual bool onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                         const CButtonState& buttons);
    virtual bool hitTest(const CPoint& where, const CButtonState& buttons = -1);

    void setMouseEnabled(bool state = true) { mouseEnabled = state; }
    bool getMouseEnabled() const { return mouseEnabled; }
    // Hit-test rectangle (parent coordinates). It follows setViewSize while
    // it equals the view's size; one set apart stays where it was put.
    void setMouseableArea(const CRect& rect) { mouseableArea = rect; }
    CRect& getMouseableArea(CRect& rect) const
    {
        rect = mouseableArea;
        return rect;
    }
    const CRect& getMouseableArea() const { return mouseableArea; }
    // Transparent views let unhandled clicks fall through to views below.
    void setTransparency(bool state) { transparent = state; }
    bool getTransparency() const { return transparent; }

    // Keyboard: >0 handled, -1 not handled.
    virtual int32_t onKeyDown(VstKeyCode& keyCode) { return -1; }
    virtual int32_t onKeyUp(VstKeyCode& keyCode) { return -1; }
    virtual bool wantsFocus() const { return wantsFocusFlag; }
    void setWantsFocus(bool state) { wantsFocusFlag = state; }
    virtual void takeFocus() {}
    virtual void looseFocus() {}

    // Geometry
    const CRect& getViewSize() const { return size; }
    CRect& getViewSize(CRect& rect) const
    {
        rect = size;
        return rect;
    }
    virtual void setViewSize(const CRect& rect, bool invalid = true);
    CCoord getWidth() const { return size.getWidth(); }
    CCoord getHeight() const { return size.getHeight(); }
    // Converts between this view's parent coordinates and frame coordinates.
    CPoint& localToFrame(CPoint& point) const;
    CPoint& frameToLocal(CPoint& point) const;

    // Visibility
    virtual void setVisible(bool state);
    bool isVisible() const { return visible && alphaValue > 0.f; }
    virtual void setAlphaValue(float alpha);
    float getAlphaValue() const { return alphaValue; }

    // Hierarchy
    virtual bool attached(CView* parent);
    virtual bool removed(CView* parent);
    bool isAttached() const { return attachedFlag; }
    CView* getParentView() const { return parentView; }
    CFrame* getFrame() const { return parentFrame; }

    virtual void setBackground(CBitmap* background);
    CBitmap* getBackground() const { return background.get(); }

    virtual CView* newCopy() const { return nullptr; }

protected:
    // Invalidates r (parent coordinates) through the parent.
    void invalidateInParent(const CRect& r);

    CRect size;
    CRect mouseableArea;
    CView* parentView = nullptr;
    CFrame* parentFrame = nullptr;
    SharedPointer<CBitmap> background;
    float alphaValue = 1.f;
    bool dirty = false;
    bool visible = true;
    bool mouseEnabled = true;
    bool transparent = false;
    bool wantsFocusFlag = false;
    bool attachedFlag = false;
};

} // namespace VSTGUI
