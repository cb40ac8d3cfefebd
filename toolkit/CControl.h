#pragma once
// A view with a value between min and max, a tag and a listener.
// setValue clamps but tells nobody; a changed value is redrawn at the next
// idle. beginEdit/endEdit are counted and reach the host as one gesture.

#include "toolkit/CView.h"
#include "toolkit/IControlListener.h"

namespace VSTGUI {

class CControl : public CView
{
public:
    CControl(const CRect& size, IControlListener* listener = nullptr, int32_t tag = 0, CBitmap* background = nullptr);
    CControl(const CControl& c);
    ~CControl() override;

    virtual void setValue(float val);
    virtual float getValue() const { return value; }
    virtual void setValueNormalized(float val);
    virtual float getValueNormalized() const;
    virtual void setMin(float val) { vmin = val; }
    virtual float getMin() const { return vmin; }
    virtual void setMax(float val) { vmax = val; }
    virtual float getMax() const { return vmax; }
    float getRange() const { return vmax - vmin; }
    virtual void setOldValue(float val) { oldValue = val; }
    virtual float getOldValue() const { return oldValue; }
    virtual void setDefaultValue(float val) { defaultValue = val; }
    virtual float getDefaultValue() const { return defaultValue; }
    // Clamps the value into [min, max] (the value itself, no notification).
    virtual void bounceValue();

    virtual void setTag(int32_t val);
    virtual int32_t getTag() const { return tag; }
    virtual void setListener(IControlListener* l) { listener = l; }
    IControlListener* getListener() const { return listener; }

    // Tells the listener.
    virtual void valueChanged();
    virtual void beginEdit();
    virtual void endEdit();
    bool isEditing() const { return editing > 0; }

    virtual void setWheelInc(float val) { wheelInc = val; }
    virtual float getWheelInc() const { return wheelInc; }

    // Left button with exactly Control: set the default value (as one gesture).
    virtual bool checkDefaultValue(CButtonState button);

    bool isDirty() const override;
    void setDirty(bool val = true) override;

protected:
    IControlListener* listener = nullptr;
    int32_t tag = 0;
    float value = 0.f;
    float vmin = 0.f;
    float vmax = 1.f;
    float oldValue = 1.f;
    float defaultValue = 0.5f;
    float wheelInc = 0.1f;
    int32_t editing = 0;
};

} // namespace VSTGUI
