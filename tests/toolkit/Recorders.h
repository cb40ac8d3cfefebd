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

class RecordingView : public VSTGUI::CControl
{
public:
    using Result = VSTGUI::CMouseEventResult;
    using Point = VSTGUI::CPoint;
    using Buttons = VSTGUI::CButtonState;

    RecordingView(const VSTGUI::CRect& r, const char* n, Log& l, VSTGUI::CColor c = VSTGUI::kRedCColor)
        : CControl(r), name(n), log(l), colour(c)
    {}
    Result onMouseDown(Point& where, const Buttons& b) override { return note("down", where, b, downResult); }
    Result onMouseMoved(Point& where, const Buttons& b) override { return note("moved", where, b, moveResult); }
    Result onMouseUp(Point& where, const Buttons& b) override
    {
        return note("up", where, b, VSTGUI::kMouseEventHandled);
    }
    Result onMouseEntered(Point&, const Buttons&) override
    {
        return log.push_back(name + ":enter"), VSTGUI::kMouseEventHandled;
    }
    Result onMouseExited(Point&, const Buttons&) override
    {
        return log.push_back(name + ":exit"), VSTGUI::kMouseEventHandled;
    }
    bool onWheel(const Point& where, const float& distance, const Buttons& b) override
    {
        note("wheel", where, b, VSTGUI::kMouseEventHandled);
        log.back() += std::to_string(static_cast<int>(distance));
        return true;
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
    Result downResult = VSTGUI::kMouseEventHandled;
    Result moveResult = VSTGUI::kMouseEventHandled;
    Buttons lastButtons;
    int draws = 0;

private:
    // Logs "name:what(x,y)"; crossings log "name:enter" and "name:exit".
    Result note(const char* what, const Point& p, const Buttons& b, Result result)
    {
        log.push_back(name + ":" + what + "(" + std::to_string(static_cast<int>(p.x)) + "," +
                      std::to_string(static_cast<int>(p.y)) + ")");
        lastButtons = b;
        return result;
    }
};

class RecordingListener : public VSTGUI::IControlListener
{
public:
    explicit RecordingListener(Log& l) : log(l) {}
    void valueChanged(VSTGUI::CControl* c) override { log.push_back("valueChanged " + std::to_string(c->getTag())); }
    int32_t controlModifierClicked(VSTGUI::CControl*, VSTGUI::CButtonState) override
    {
        log.push_back("modifierClicked");
        return consumeModifierClicks;
    }
    void controlBeginEdit(VSTGUI::CControl*) override { log.push_back("listener begin"); }
    void controlEndEdit(VSTGUI::CControl*) override { log.push_back("listener end"); }
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
