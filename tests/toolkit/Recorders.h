#pragma once
// Test doubles: a view that logs its events and draws a solid colour, a
// listener and an editor that log what reaches them.

#include "toolkit/CControl.h"
#include "toolkit/CDrawContext.h"
#include "toolkit/CFrame.h"
#include "toolkit/VSTGUIEditorInterface.h"

#include <string>
#include <vector>

using Log = std::vector<std::string>;

inline std::string at(const char* what, const VSTGUI::CPoint& p)
{
    return std::string(what) + "(" + std::to_string(static_cast<int>(p.x)) + "," +
           std::to_string(static_cast<int>(p.y)) + ")";
}

class RecordingView : public VSTGUI::CControl
{
public:
    RecordingView(const VSTGUI::CRect& r, const char* n, Log& l, VSTGUI::CColor c = VSTGUI::kRedCColor)
        : CControl(r), name(n), log(l), colour(c)
    {
    }
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& b) override
    {
        log.push_back(name + ":" + at("down", where));
        lastButtons = b;
        return downResult;
    }
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& b) override
    {
        log.push_back(name + ":" + at("moved", where));
        lastButtons = b;
        return moveResult;
    }
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& b) override
    {
        log.push_back(name + ":" + at("up", where));
        lastButtons = b;
        return VSTGUI::kMouseEventHandled;
    }
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState&) override
    {
        log.push_back(name + ":enter");
        return VSTGUI::kMouseEventHandled;
    }
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState&) override
    {
        log.push_back(name + ":exit");
        return VSTGUI::kMouseEventHandled;
    }
    bool onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& b) override
    {
        log.push_back(name + ":" + at("wheel", where) + std::to_string(static_cast<int>(distance)));
        lastButtons = b;
        return wheelResult;
    }
    void draw(VSTGUI::CDrawContext* context) override
    {
        ++draws;
        context->setFillColor(colour);
        context->drawRect(getViewSize(), VSTGUI::kDrawFilled);
        setDirty(false);
    }

    std::string name;
    Log& log;
    VSTGUI::CColor colour;
    VSTGUI::CMouseEventResult downResult = VSTGUI::kMouseEventHandled;
    VSTGUI::CMouseEventResult moveResult = VSTGUI::kMouseEventHandled;
    bool wheelResult = true;
    VSTGUI::CButtonState lastButtons;
    int draws = 0;
};

class RecordingListener : public VSTGUI::IControlListener
{
public:
    explicit RecordingListener(Log& l) : log(l) {}
    void valueChanged(VSTGUI::CControl* c) override { log.push_back("valueChanged " + std::to_string(c->getTag())); }
    int32_t controlModifierClicked(VSTGUI::CControl* c, VSTGUI::CButtonState) override
    {
        log.push_back("modifierClicked");
        return consumeModifierClicks;
    }
    void controlBeginEdit(VSTGUI::CControl* c) override { log.push_back("listener begin"); }
    void controlEndEdit(VSTGUI::CControl* c) override { log.push_back("listener end"); }
    Log& log;
    int32_t consumeModifierClicks = 0;
};

class RecordingEditor : public VSTGUI::VSTGUIEditorInterface
{
public:
    explicit RecordingEditor(Log& l) : log(l) {}
    void beginEdit(int32_t index) override { log.push_back("host begin " + std::to_string(index)); }
    void endEdit(int32_t index) override { log.push_back("host end " + std::to_string(index)); }
    int32_t getKnobMode() const override { return VSTGUI::kLinearMode; }
    Log& log;
};

// A headless frame that closes itself.
struct HeadlessFrame
{
    explicit HeadlessFrame(VSTGUI::VSTGUIEditorInterface* editor = nullptr, VSTGUI::CCoord w = 200,
                           VSTGUI::CCoord h = 100)
        : frame(new VSTGUI::CFrame(VSTGUI::CRect(0, 0, w, h), editor))
    {
        frame->open(nullptr);
    }
    ~HeadlessFrame() { frame->close(); }
    HeadlessFrame(const HeadlessFrame&) = delete;
    HeadlessFrame& operator=(const HeadlessFrame&) = delete;
    VSTGUI::CFrame* operator->() const { return frame; }
    VSTGUI::CFrame* frame;
};
