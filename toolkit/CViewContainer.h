#pragma once
// A view holding child views, drawn in insertion order (first added at the
// bottom) and offered mouse events topmost first. Children are placed in the
// container's own coordinates (its top-left corner is 0,0).

#include "toolkit/CColor.h"
#include "toolkit/CView.h"

#include <vector>

namespace VSTGUI {

class CViewContainer : public CView
{
public:
    explicit CViewContainer(const CRect& size);
    ~CViewContainer() override;

    // Takes ownership of the creation reference.
    virtual bool addView(CView* view);
    virtual bool addView(CView* view, CView* before);
    virtual bool removeView(CView* view, bool withForget = true);
    virtual bool removeAll(bool withForget = true);
    bool isChild(CView* view, bool deep = false) const;
    int32_t getNbViews() const { return static_cast<int32_t>(children.size()); }
    CView* getView(int32_t index) const;
    // Topmost visible child under where (container's parent coordinates).
    CView* getViewAt(const CPoint& where, bool deep = false, bool mustbeMouseEnabled = false) const;

    void setBackgroundColor(const CColor& color);
    CColor getBackgroundColor() const { return backgroundColor; }

    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    virtual void drawBackgroundRect(CDrawContext* context, const CRect& rect);
    void setDirty(bool state = true) override;
    bool isDirty() const override;
    // Containers recurse; a dirty container invalidates itself whole.
    virtual void invalidateDirtyViews();
    // r in this container's own coordinates.
    void invalidRect(const CRect& r) override;
    void invalid() override;

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseCancel() override;
    bool onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                 const CButtonState& buttons) override;
    using CView::onWheel;

    bool attached(CView* parent) override;
    bool removed(CView* parent) override;

    CView* getMouseDownView() const { return mouseDownView; }
    void clearMouseDownView();

    // Converts a point from this container's parent coordinates to its own.
    CPoint& toLocal(CPoint& p) const;
    CRect& toLocal(CRect& r) const;

protected:
    std::vector<CView*> children;
    CColor backgroundColor = kTransparentCColor;
    CView* mouseDownView = nullptr;
};

} // namespace VSTGUI
