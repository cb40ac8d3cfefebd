// Control values, edit gestures and the dirty -> idle -> redraw cycle.

#include "Recorders.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <thread>

using namespace VSTGUI;

TEST(ControlValue, SetValueClampsAndTellsNobody)
{
    Log log;
    RecordingListener listener(log);
    CControl c(CRect(0, 0, 10, 10), &listener, 7);
    EXPECT_EQ(c.getValue(), 0.f);
    EXPECT_EQ(c.getDefaultValue(), 0.5f);
    EXPECT_FLOAT_EQ(c.getWheelInc(), 0.1f);
    c.setValue(1.5f);
    EXPECT_EQ(c.getValue(), 1.f);
    c.setValue(-3.f);
    EXPECT_EQ(c.getValue(), 0.f);
    c.setValue(0.25f / 0.f * 0.f); // NaN keeps the value
    EXPECT_EQ(c.getValue(), 0.f);
    EXPECT_TRUE(log.empty());

    c.setMin(-1);
    c.setMax(3);
    c.setValueNormalized(0.5f);
    EXPECT_FLOAT_EQ(c.getValue(), 1.f);
    c.setValueNormalized(7.f);
    EXPECT_FLOAT_EQ(c.getValue(), 3.f);
    EXPECT_FLOAT_EQ(c.getValueNormalized(), 1.f);
    c.valueChanged();
    EXPECT_EQ(log, Log{"valueChanged 7"});
}

TEST(ControlValue, ChangedValueMakesTheControlDirty)
{
    CControl c(CRect(0, 0, 10, 10));
    c.setDirty(false);
    EXPECT_FALSE(c.isDirty());
    c.setValue(0.3f);
    EXPECT_TRUE(c.isDirty());
    c.setDirty(false);
    c.setValue(0.3f);
    EXPECT_FALSE(c.isDirty());
    c.setDirty(true);
    EXPECT_TRUE(c.isDirty());
}

TEST(ControlEdit, BeginAndEndAreCountedAndReachTheHostWithTheTag)
{
    Log log;
    RecordingEditor editor(log);
    RecordingListener listener(log);
    HeadlessFrame frame(&editor);
    auto* c = new CControl(CRect(0, 0, 10, 10), &listener, 42);
    frame->addView(c);
    c->beginEdit();
    c->beginEdit();
    c->endEdit();
    c->endEdit();
    c->endEdit(); // unmatched: ignored
    EXPECT_EQ(log, (Log{"listener begin", "host begin 42", "host end 42", "listener end"}));
    EXPECT_EQ(frame->getKnobMode(), kLinearMode);
}

TEST(ControlEdit, CtrlClickSetsTheDefaultAsOneGesture)
{
    Log log;
    RecordingListener listener(log);
    CControl c(CRect(0, 0, 10, 10), &listener, 3);
    EXPECT_FALSE(c.checkDefaultValue(kLButton));
    EXPECT_FALSE(c.checkDefaultValue(kLButton | kControl | kShift));
    EXPECT_TRUE(c.checkDefaultValue(kLButton | kControl));
    EXPECT_EQ(c.getValue(), 0.5f);
    EXPECT_EQ(log, (Log{"listener begin", "valueChanged 3", "listener end"}));
}

TEST(Redraw, DirtyViewsAreRedrawnAtIdleOnly)
{
    Log log;
    HeadlessFrame frame;
    auto* a = new RecordingView(CRect(10, 10, 20, 20), "a", log, kRedCColor);
    auto* b = new RecordingView(CRect(30, 10, 40, 20), "b", log, kBlueCColor);
    frame->addView(a);
    frame->addView(b);
    frame->idle();
    EXPECT_EQ(frame->getPixel(15, 15), kRedCColor);
    EXPECT_EQ(frame->getPixel(35, 15), kBlueCColor);
    EXPECT_EQ(frame->getPixel(25, 15), CColor(0, 0, 0, 0));
    const int drawsA = a->draws, drawsB = b->draws;

    frame->idle(); // nothing dirty: nothing drawn
    EXPECT_EQ(a->draws, drawsA);

    a->colour = kGreenCColor;
    a->setValue(0.7f); // dirty through the value
    EXPECT_EQ(frame->getPixel(15, 15), kRedCColor); // not before idle
    frame->idle();
    EXPECT_EQ(frame->getPixel(15, 15), kGreenCColor);
    EXPECT_EQ(a->draws, drawsA + 1);
    EXPECT_EQ(b->draws, drawsB);
    EXPECT_FALSE(a->isDirty());
}

TEST(Redraw, HidingAndShowingRepaintTheArea)
{
    Log log;
    HeadlessFrame frame;
    frame->setBackgroundColor(kWhiteCColor);
    auto* a = new RecordingView(CRect(10, 10, 20, 20), "a", log, kRedCColor);
    frame->addView(a);
    frame->idle();
    a->setVisible(false);
    a->setDirty(true); // hidden views are not redrawn
    frame->idle();
    EXPECT_EQ(frame->getPixel(15, 15), kWhiteCColor);
    a->setVisible(true);
    frame->idle();
    EXPECT_EQ(frame->getPixel(15, 15), kRedCColor);
}

TEST(Redraw, ContainerChildAlphaAndOffsets)
{
    Log log;
    HeadlessFrame frame;
    auto* box = new CViewContainer(CRect(100, 50, 150, 100));
    auto* inner = new RecordingView(CRect(10, 10, 20, 20), "inner", log, kBlueCColor);
    box->addView(inner);
    frame->addView(box);
    inner->setAlphaValue(0.5f);
    frame->idle();
    EXPECT_EQ(frame->getPixel(115, 65).alpha, 128);
    EXPECT_EQ(frame->getPixel(109, 65).alpha, 0);
    EXPECT_EQ(frame->getPixel(120, 65).alpha, 0);
}

TEST(Redraw, FrameRendersToPNG)
{
    Log log;
    HeadlessFrame frame;
    frame->addView(new RecordingView(CRect(0, 0, 10, 10), "a", log));
    frame->idle();
    const char* path = "toolkit_frame_test.png";
    ASSERT_TRUE(frame->renderToPNG(path));
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
    std::remove(path);
}

TEST(Redraw, InvalidFromAnotherThreadOnlyMarksAndIdleRedraws)
{
    Log log;
    HeadlessFrame frame;
    auto* a = new RecordingView(CRect(10, 10, 20, 20), "a", log, kRedCColor);
    frame->addView(a);
    frame->idle();
    const int draws = a->draws;
    std::thread other([&] {
        a->colour = kBlueCColor;
        a->invalid(); // as a host's audio-thread setParameter would
        frame->invalid();
    });
    other.join();
    EXPECT_TRUE(frame->getInvalidRects().empty()); // nothing queued off the GUI thread
    frame->idle();
    EXPECT_EQ(a->draws, draws + 1);
    EXPECT_EQ(frame->getPixel(15, 15), kBlueCColor);
}
