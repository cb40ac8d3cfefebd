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
    CPoint point;
    CPoint& at(CCoord x, CCoord y) { return point = CPoint(x, y); }
    void down(CCoord x, CCoord y, int32_t buttons = kLButton) { frame->onMouseDown(at(x, y), buttons); }
    void move(CCoord x, CCoord y, int32_t buttons = 0) { frame->onMouseMoved(at(x, y), buttons); }
    void up(CCoord x, CCoord y, int32_t buttons = kLButton) { frame->onMouseUp(at(x, y), buttons); }
    // A container at (100, 50) holding one view at (10, 10) inside it.
    CViewContainer* box(RecordingView* inner)
    {
        auto* c = new CViewContainer(CRect(100, 50, 200, 100));
        c->addView(inner);
        frame->addView(c);
        return c;
    }
};

TEST_F(ViewEvents, ViewsAreHitInsideTheirHalfOpenRect)
{
    down(50, 20); // right edge of a: outside
    down(49, 49);
    up(49, 49);
    EXPECT_EQ(log, (Log{"a:down(49,49)", "a:up(49,49)", "a:enter"}));
}

TEST_F(ViewEvents, DragIsCapturedAndHoverWaitsForTheRelease)
{
    move(20, 20, kShift | kLButton);
    EXPECT_EQ(a->lastButtons, CButtonState(kShift)); // hover moves carry modifiers only
    down(20, 20);
    move(80, 20, kLButton); // over b
    move(150, 90, kLButton); // outside everything
    up(150, 90);
    move(80, 20);
    frame->onMouseExited(at(-1, -1), 0);
    EXPECT_EQ(log, (Log{"a:enter", "a:moved(20,20)", "a:down(20,20)", "a:moved(80,20)", "a:moved(150,90)",
                        "a:up(150,90)", "a:exit", "b:enter", "b:moved(80,20)", "b:exit"}));
    EXPECT_EQ(a->lastButtons, CButtonState(kLButton));
    EXPECT_TRUE(frame->getHoverViews().empty());
}

TEST_F(ViewEvents, UnhandledMoveOrRemovalEndsTheCapture)
{
    a->moveResult = kMouseEventNotHandled;
    down(20, 20);
    move(30, 30, kLButton);
    move(31, 31, kLButton); // now a hover
    up(31, 31);
    EXPECT_EQ(log, (Log{"a:down(20,20)", "a:moved(30,30)", "a:enter", "a:moved(31,31)"}));
    log.clear();
    down(70, 20);
    frame->removeView(b);
    move(75, 25, kLButton); // a plain hover now
    up(75, 25);
    EXPECT_EQ(log, (Log{"b:down(70,20)", "a:exit"}));
}

TEST_F(ViewEvents, AViewMovedBySetViewSizeIsHitAndHoveredAtItsNewPlace)
{
    // As the in-place rename moves the name field over a list row.
    a->setViewSize(CRect(110, 60, 150, 90));
    down(20, 20); // where it was: nothing there any more
    down(120, 70);
    up(120, 70);
    move(20, 20);
    EXPECT_TRUE(frame->onWheel(at(149, 89), kMouseWheelAxisY, 1.f, 0));
    EXPECT_EQ(log, (Log{"a:down(120,70)", "a:up(120,70)", "a:enter", "a:exit", "a:wheel(149,89)1", "a:enter"}));
    // A hit area set apart from the view stays where it was put.
    log.clear();
    b->setMouseableArea(CRect(60, 10, 80, 50));
    b->setViewSize(CRect(160, 10, 200, 50));
    down(70, 20);
    up(70, 20);
    down(170, 20);
    EXPECT_EQ(log, (Log{"b:down(70,20)", "b:up(70,20)", "a:exit", "b:enter"}));
}

TEST_F(ViewEvents, NestedContainerPassesLocalCoordinatesAndDrawsAtItsOffset)
{
    auto* inner = new RecordingView(CRect(10, 10, 30, 30), "inner", log);
    box(inner);
    inner->setAlphaValue(0.5f);
    frame->idle();
    EXPECT_EQ(frame->getPixel(110, 60).alpha, 128);
    EXPECT_EQ(frame->getPixel(109, 60).alpha, 0);
    move(115, 65);
    down(115, 65);
    move(130, 80, kLButton);
    up(130, 80);
    EXPECT_EQ(log, (Log{"inner:enter", "inner:moved(15,15)", "inner:down(15,15)", "inner:moved(30,30)",
                        "inner:up(30,30)", "inner:exit"}));
}

TEST_F(ViewEvents, WheelGoesToTheViewUnderThePointerButNotDuringADrag)
{
    EXPECT_TRUE(frame->onWheel(at(70, 20), kMouseWheelAxisY, 1.f, kShift | kLButton));
    EXPECT_EQ(b->lastButtons, CButtonState(kShift)); // modifiers only
    frame->onWheel(at(20, 20), kMouseWheelAxisX, 1.f, 0);
    EXPECT_EQ(log, (Log{"b:wheel(70,20)1", "b:enter", "a:wheel(20,20)-1", "b:exit", "a:enter"}));
    log.clear();
    down(20, 20);
    EXPECT_FALSE(frame->onWheel(at(70, 20), kMouseWheelAxisY, 1.f, kLButton));
    EXPECT_EQ(log, Log{"a:down(20,20)"});
}

TEST_F(ViewEvents, ModifierClicksAskTheListenerFirst)
{
    RecordingListener listener(log);
    a->setListener(&listener);
    listener.consumeModifierClicks = 1;
    down(20, 20, kRButton); // consumed
    listener.consumeModifierClicks = 0;
    down(20, 20, kLButton | kControl);
    up(20, 20);
    down(20, 20); // a plain left click skips the listener
    EXPECT_EQ(log,
              (Log{"modifierClicked", "modifierClicked", "a:down(20,20)", "a:up(20,20)", "a:enter", "a:down(20,20)"}));
}

// (The hidden cursor during a drag is played through the X11 window.)
TEST_F(ViewEvents, AnExitHandlerMayRemoveItsOwnContainer)
{
    struct Remover : RecordingView
    {
        using RecordingView::RecordingView;
        CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override
        {
            RecordingView::onMouseExited(where, buttons);
            getFrame()->removeView(container);
            return kMouseEventHandled;
        }
        CView* container = nullptr;
    };
    auto* inner = new Remover(CRect(0, 0, 50, 50), "inner", log);
    inner->container = box(inner);
    move(110, 60);
    move(20, 20); // leaves inner and its container, enters a
    EXPECT_EQ(log, (Log{"inner:enter", "inner:moved(10,10)", "inner:exit", "a:enter", "a:moved(20,20)"}));
    EXPECT_EQ(frame->getNbViews(), 2);
}
