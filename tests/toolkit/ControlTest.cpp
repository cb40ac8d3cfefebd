// Control values, edit gestures and the dirty -> idle -> redraw cycle.

#include "Recorders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

using namespace VSTGUI;

TEST(ControlValue, SetValueClampsAndTellsNobody)
{
    Log log;
    RecordingListener listener(log);
    CControl c(CRect(0, 0, 10, 10), &listener, 7);
    c.setValue(1.5f);
    EXPECT_EQ(c.getValue(), 1.f);
    c.setValue(-3.f);
    EXPECT_EQ(c.getValue(), 0.f);
    c.setValue(std::nanf("")); // NaN keeps the value
    EXPECT_EQ(c.getValue(), 0.f);
    EXPECT_TRUE(log.empty());
    // Normalised values map onto the range from its minimum.
    c.setMin(1);
    c.setMax(3);
    c.setValueNormalized(0.f);
    EXPECT_FLOAT_EQ(c.getValue(), 1.f);
    c.setValueNormalized(0.25f);
    EXPECT_FLOAT_EQ(c.getValue(), 1.5f);
    EXPECT_FLOAT_EQ(c.getValueNormalized(), 0.25f);
    c.setValueNormalized(7.f);
    EXPECT_FLOAT_EQ(c.getValue(), 3.f);
    c.valueChanged();
    EXPECT_EQ(log, Log{"valueChanged 7"});
}

TEST(ControlEdit, GesturesAreCountedAndReachTheHostWithTheTag)
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
    // Ctrl+click (and nothing else) sets the default as one gesture.
    EXPECT_FALSE(c->checkDefaultValue(kLButton));
    EXPECT_FALSE(c->checkDefaultValue(kLButton | kControl | kShift));
    EXPECT_TRUE(c->checkDefaultValue(kLButton | kControl));
    EXPECT_EQ(c->getValue(), 0.5f);
    EXPECT_EQ(log, (Log{"listener begin", "host begin 42", "host end 42", "listener end", "listener begin",
                        "host begin 42", "valueChanged 42", "host end 42", "listener end"}));
}

struct Redraw : ::testing::Test
{
    Log log;
    HeadlessFrame frame;
    RecordingView* a = new RecordingView(CRect(10, 10, 20, 20), "a", log, kRedCColor);
    void SetUp() override
    {
        frame->setBackgroundColor(kWhiteCColor);
        frame->addView(a);
        frame->idle();
    }
};

TEST_F(Redraw, ChangedViewsAreRedrawnAtIdleOnly)
{
    auto* b = new RecordingView(CRect(30, 10, 40, 20), "b", log, kBlueCColor);
    frame->addView(b);
    frame->idle();
    EXPECT_EQ(frame->getPixel(35, 15), kBlueCColor);
    EXPECT_EQ(frame->getPixel(25, 15), kWhiteCColor);
    const int drawsA = a->draws, drawsB = b->draws;
    a->setValue(a->getValue()); // unchanged: nothing to draw
    frame->idle();
    EXPECT_EQ(a->draws, drawsA);

    a->colour = kGreenCColor;
    a->setValue(0.7f);
    EXPECT_EQ(frame->getPixel(15, 15), kRedCColor); // not before idle
    frame->idle();
    EXPECT_EQ(frame->getPixel(15, 15), kGreenCColor);
    EXPECT_EQ(a->draws, drawsA + 1);
    EXPECT_EQ(b->draws, drawsB);
}

TEST_F(Redraw, InvalidFromAnotherThreadOnlyMarksAndIdleRedraws)
{
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

TEST_F(Redraw, TheThreadThatRunsIdleIsTheGuiThread)
{
    // A host that opened the editor on one thread and idles it from another.
    a->colour = kBlueCColor;
    a->setValue(0.4f);
    std::thread idler([&] { frame->idle(); });
    idler.join();
    EXPECT_EQ(frame->getPixel(15, 15), kBlueCColor);
    // The opening thread is now just another thread: it only marks.
    a->colour = kGreenCColor;
    a->invalid();
    EXPECT_TRUE(frame->getInvalidRects().empty());
    EXPECT_EQ(frame->getPixel(15, 15), kBlueCColor);
    frame->idle();
    EXPECT_EQ(frame->getPixel(15, 15), kGreenCColor);
}
