#include "toolkit/CControl.h"

#include "toolkit/CFrame.h"

#include <algorithm>
#include <limits>

namespace VSTGUI {

CControl::CControl(const CRect& r, IControlListener* l, int32_t t, CBitmap* bg) : CView(r), listener(l), tag(t)
{
    if (bg)
        setBackground(bg);
}

CControl::CControl(const CControl& c)
    : CView(c), listener(c.listener), tag(c.tag), value(c.value), vmin(c.vmin), vmax(c.vmax), oldValue(c.oldValue),
      defaultValue(c.defaultValue), wheelInc(c.wheelInc)
{}

CControl::~CControl() = default;

void CControl::setValue(float val)
{
    // NaN would slip through min/max; keep the old value instead.
    if (val != val)
        return;
    value = std::min(std::max(val, vmin), vmax);
}

void CControl::setValueNormalized(float val)
{
    if (val != val)
        return;
    val = std::min(std::max(val, 0.f), 1.f);
    setValue(vmin + val * (vmax - vmin));
}

float CControl::getValueNormalized() const
{
    const float range = vmax - vmin;
    return range == 0.f ? 0.f : (value - vmin) / range;
}

void CControl::bounceValue() { value = std::min(std::max(value, vmin), vmax); }

void CControl::setTag(int32_t val)
{
    if (listener)
        listener->controlTagWillChange(this);
    tag = val;
    if (listener)
        listener->controlTagDidChange(this);
}

void CControl::valueChanged()
{
    if (listener)
        listener->valueChanged(this);
}

void CControl::beginEdit()
{
    if (++editing != 1)
        return;
    if (listener)
        listener->controlBeginEdit(this);
    if (CFrame* f = getFrame())
        f->beginEdit(tag);
}

void CControl::endEdit()
{
    // An unmatched endEdit is ignored rather than unbalancing the host.
    if (editing <= 0)
        return;
    if (--editing != 0)
        return;
    if (CFrame* f = getFrame())
        f->endEdit(tag);
    if (listener)
        listener->controlEndEdit(this);
}

bool CControl::checkDefaultValue(CButtonState button)
{
    if (!(button.isLeftButton() && button.getModifierState() == kControl))
        return false;
    beginEdit();
    setValue(defaultValue);
    valueChanged();
    endEdit();
    return true;
}

bool CControl::isDirty() const { return oldValue != value || CView::isDirty(); }

void CControl::setDirty(bool val)
{
    CView::setDirty(val);
    if (val)
        oldValue = std::numeric_limits<float>::quiet_NaN(); // never equal to a value
    else
        oldValue = value;
}

} // namespace VSTGUI
