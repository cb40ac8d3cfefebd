// Mouse routing, capture, hover and wheel through a headless frame.

#include "Recorders.h"

#include "toolkit/CViewContainer.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

struct ViewEvents : ::testing::Test
{
    Log log;
    HeadlessFrame frame;
    RecordingView* a = new RecordingView(CRect(10, 10, 50, 50), "a", log);
    RecordingView* b = new RecordingView(CRect(60, 10, 100, 50), "b", log);
    void SetUp() override
    {
        frame->addView(a);
        frame->addView(b);
        log.clear();
    }
    void down(CCoord x, CCoord y, int32_t buttons = kLButton)
    {
        CPoint p(x, y);
        frame->onMouseDown(p, buttons);
    }
    void move(CCoord x, CCoord y, int32_t buttons = 0)
    {
        CPoint p(x, y);
        frame->onMouseMoved(p, buttons);
    }
    void up(CCoord x, CCoord y, int32_t buttons = kLButton)
    {
        CPoint p(x, y);
        frame->onMouseUp(p, buttons);
    }
};

TEST_F(ViewEvents, HitTestIsHalfOpen)
{
    down(50, 20);
    up(50, 20);
    EXPECT_EQ(log, Log{});
    down(49, 49);
    EXPECT_EQ(log.front(), "a:down(49,49)");
}

TEST_F(ViewEvents, MouseDownViewCapturesMovesAndUpWherever)
{
    down(20, 20);
    move(80, 20, kLButton); // over b
    move(150, 90, kLButton); // outside everything
    up(150, 90);
    EXPECT_EQ(log, (Log{"a:down(20,20)", "a:moved(80,20)", "a:moved(150,90)", "a:up(150,90)"}));
    EXPECT_EQ(a->lastButtons, CButtonState(kLButton));
}

TEST_F(ViewEvents, NoEnterOrExitDuringADragButAfterTheUp)
{
    move(20, 20);
    EXPECT_EQ(log, (Log{"a:enter", "a:moved(20,20)"}));
    log.clear();
    down(20, 20);
    move(80, 20, kLButton);
    up(80, 20);
    EXPECT_EQ(log, (Log{"a:down(20,20)", "a:moved(80,20)", "a:up(80,20)", "a:exit", "b:enter"}));
}

TEST_F(ViewEvents, HoverMovesCarryModifiersButNoButtons)
{
    move(20, 20, kShift | kLButton);
    EXPECT_EQ(a->lastButtons, CButtonState(kShift));
}

TEST_F(ViewEvents, LeavingTheWindowExitsHoveredViews)
{
    move(20, 20);
    log.clear();
    CPoint p(-1, -1);
    frame->onMouseExited(p, 0);
    EXPECT_EQ(log, Log{"a:exit"});
    EXPECT_TRUE(frame->getHoverViews().empty());
}

TEST_F(ViewEvents, UnhandledMoveDuringDragDropsTheCapture)
{
    a->moveResult = kMouseEventNotHandled;
    down(20, 20);
    move(30, 30, kLButton);
    move(31, 31, kLButton);
    up(31, 31);
    EXPECT_EQ(log, (Log{"a:down(20,20)", "a:moved(30,30)", "a:enter", "a:moved(31,31)"}));
}

TEST_F(ViewEvents, OpaqueViewsStopClicksAndTransparentOnesLetThemThrough)
{
    auto* top = new RecordingView(CRect(0, 0, 200, 100), "top", log);
    top->downResult = kMouseEventNotHandled;
    frame->addView(top);
    down(20, 20);
    EXPECT_EQ(log, Log{"top:down(20,20)"});
    up(20, 20);
    log.clear();
    top->setTransparency(true);
    down(20, 20);
    EXPECT_EQ(log, (Log{"top:down(20,20)", "a:down(20,20)"}));
}

TEST_F(ViewEvents, MouseableAreaDecidesTheHitAndHiddenOrDisabledViewsAreSkipped)
{
    a->setMouseableArea(CRect(10, 10, 20, 20));
    down(30, 30);
    EXPECT_EQ(log, Log{});
    down(15, 15);
    up(15, 15);
    EXPECT_EQ(log.front(), "a:down(15,15)");
    log.clear();
    a->setVisible(false);
    down(15, 15);
    b->setMouseEnabled(false);
    down(70, 20);
    EXPECT_EQ(log, Log{});
}

TEST_F(ViewEvents, NestedContainerPassesLocalCoordinates)
{
    auto* box = new CViewContainer(CRect(100, 50, 200, 100));
    auto* inner = new RecordingView(CRect(10, 10, 30, 30), "inner", log);
    box->addView(inner);
    frame->addView(box);
    log.clear();
    move(115, 65);
    down(115, 65);
    move(130, 80, kLButton);
    up(130, 80);
    EXPECT_EQ(log, (Log{"inner:enter", "inner:moved(15,15)", "inner:down(15,15)", "inner:moved(30,30)",
                        "inner:up(30,30)", "inner:exit"}));
}

TEST_F(ViewEvents, WheelGoesToTheViewUnderThePointerButNotDuringADrag)
{
    CPoint p(70, 20);
    EXPECT_TRUE(frame->onWheel(p, kMouseWheelAxisY, 1.f, kShift | kLButton));
    EXPECT_EQ(b->lastButtons, CButtonState(kShift)); // modifiers only
    CPoint q(20, 20);
    frame->onWheel(q, kMouseWheelAxisX, 1.f, 0);
    EXPECT_EQ(log, (Log{"b:wheel(70,20)1", "b:enter", "a:wheel(20,20)-1", "b:exit", "a:enter"}));
    log.clear();
    down(20, 20);
    EXPECT_FALSE(frame->onWheel(p, kMouseWheelAxisY, 1.f, kLButton));
    EXPECT_EQ(log, Log{"a:down(20,20)"});
}

TEST_F(ViewEvents, ModifierClicksAskTheListenerFirst)
{
    RecordingListener listener(log);
    a->setListener(&listener);
    listener.consumeModifierClicks = 1;
    down(20, 20, kLButton | kShift);
    EXPECT_EQ(log, Log{"modifierClicked"});
    log.clear();
    down(20, 20, kRButton);
    EXPECT_EQ(log, Log{"modifierClicked"});
    log.clear();
    listener.consumeModifierClicks = 0;
    down(20, 20, kLButton | kControl);
    EXPECT_EQ(log, (Log{"modifierClicked", "a:down(20,20)"}));
    log.clear();
    up(20, 20);
    down(20, 20); // plain left click skips the listener
    EXPECT_EQ(log, (Log{"a:up(20,20)", "a:enter", "a:down(20,20)"}));
}

TEST_F(ViewEvents, RemovingTheCapturedViewEndsTheDrag)
{
    down(20, 20);
    frame->removeView(a);
    move(30, 30, kLButton);
    up(30, 30);
    EXPECT_EQ(log, Log{"a:down(20,20)"});
}

TEST_F(ViewEvents, HiddenCursorLastsUntilTheButtonIsReleased)
{
    down(20, 20);
    frame->setCursor(kCursorHidden);
    EXPECT_TRUE(frame->isPointerHidden());
    frame->setCursor(kCursorSizeAll); // recorded, still hidden
    EXPECT_TRUE(frame->isPointerHidden());
    up(20, 20);
    EXPECT_FALSE(frame->isPointerHidden());
    EXPECT_EQ(frame->getCursor(), kCursorSizeAll);
    frame->setCursor(kCursorHidden);
    frame->setCursor(kCursorHand); // no drag: shows at once
    EXPECT_FALSE(frame->isPointerHidden());
}

TEST_F(ViewEvents, AnExitHandlerMayRemoveItsOwnContainer)
{
    struct Remover : RecordingView
    {
        using RecordingView::RecordingView;
        CMouseEventResult onMouseExited(CPoint& where, const CButtonState& b) override
        {
            RecordingView::onMouseExited(where, b);
            getFrame()->removeView(box);
            return kMouseEventHandled;
        }
        CView* box = nullptr;
    };
    auto* box = new CViewContainer(CRect(100, 50, 200, 100));
    auto* inner = new Remover(CRect(0, 0, 50, 50), "inner", log);
    inner->box = box;
    box->addView(inner);
    frame->addView(box);
    move(110, 60);
    move(20, 20); // leaves inner and box, enters a
    EXPECT_EQ(log, (Log{"inner:enter", "inner:moved(10,10)", "inner:exit", "a:enter", "a:moved(20,20)"}));
    EXPECT_EQ(frame->getNbViews(), 2);
}
