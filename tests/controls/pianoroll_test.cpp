// The on-screen keyboard played with injected mouse events: which note a
// click sounds, how loud, gliding, the right-button latch and releases.

#include "ControlHostDouble.h"
#include "GalleryHelpers.h"

#include "controls/Pianoroll.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {

using Note = ControlHostDouble::Note;

// Notes as (note, velocity) pairs, note-offs with velocity -1.
std::vector<std::pair<int, float>> played(const ControlHostDouble& host)
{
    std::vector<std::pair<int, float>> out;
    for (const Note& n : host.notes)
        out.emplace_back(n.note, n.velocity);
    return out;
}

struct PianorollFixture : ::testing::Test
{
    TestFrame frame{ 1024, 480 };
    ControlHostDouble host;
    Pianoroll* keys = frame.add(new Pianoroll(CRect(42, 360, 1002, 479), &host));

    void click(double x, double y, int32_t buttons = kLButton)
    {
        frame.down(x, y, buttons);
        frame.up(x, y, buttons);
    }
};

TEST_F(PianorollFixture, KeysSoundMidiNotes45To93)
{
    EXPECT_EQ(keys->getTag(), 129);
    click(50, 470);  // leftmost white key, A
    click(970, 470); // rightmost white key, A four octaves up
    click(90, 470);  // B
    click(120, 470); // C
    ASSERT_EQ(host.notes.size(), 8u);
    EXPECT_EQ(host.notes[0].note, 45);
    EXPECT_EQ(host.notes[1].note, 45);
    EXPECT_LT(host.notes[1].velocity, 0.f);
    EXPECT_EQ(host.notes[2].note, 93);
    EXPECT_EQ(host.notes[4].note, 47);
    EXPECT_EQ(host.notes[6].note, 48);
}

TEST_F(PianorollFixture, VelocityGrowsTowardTheFrontOfTheKey)
{
    click(120, 360); // the very top of the key
    click(120, 400);
    click(120, 440); // 80 pixels down
    click(120, 470);
    ASSERT_EQ(host.notes.size(), 8u);
    EXPECT_FLOAT_EQ(host.notes[0].velocity, 0.f);
    EXPECT_FLOAT_EQ(host.notes[2].velocity, 0.5f);
    EXPECT_FLOAT_EQ(host.notes[4].velocity, 1.f);
    EXPECT_FLOAT_EQ(host.notes[6].velocity, 1.f);
}

TEST_F(PianorollFixture, BlackKeyOverTheFollowingWhiteKeyWins)
{
    // A# spans x 65.5..86.5 above y 439.73, over the right of A and the left of B.
    click(70, 400);
    click(80, 400);
    click(70, 445); // below the black key: A itself
    click(80, 445); // and B
    ASSERT_EQ(host.notes.size(), 8u);
    EXPECT_EQ(host.notes[0].note, 46);
    EXPECT_EQ(host.notes[2].note, 46);
    EXPECT_EQ(host.notes[4].note, 45);
    EXPECT_EQ(host.notes[6].note, 47);
}

TEST_F(PianorollFixture, EveryPointHitsTheKeyDrawnOnTop)
{
    // Black keys lie over white keys; the 50th key (past the end) is never hit.
    for (double y = 356; y < 483; y += 1.5)
        for (double x = 36; x < 1006; x += 0.5)
        {
            int expected = 0;
            for (int n = 1; n <= Pianoroll::kKeyCount && expected == 0; ++n)
                if (keys->key(n)->rect.bottom < 440 && keys->key(n)->rect.pointInside(CPoint(x, y)))
                    expected = n;
            for (int n = 1; n <= Pianoroll::kKeyCount && expected == 0; ++n)
                if (keys->key(n)->rect.pointInside(CPoint(x, y)))
                    expected = n;
            ASSERT_EQ(keys->keyAt(CPoint(x, y)), expected) << x << "," << y;
        }
    // The right edge of the lowest A, below the black key, plays A.
    click(73, 460);
    ASSERT_FALSE(host.notes.empty());
    EXPECT_EQ(host.notes[0].note, 45);
}

TEST_F(PianorollFixture, GlideReleasesOnceAndPlaysTheNewKey)
{
    frame.down(120, 470); // C, 48
    frame.move(125, 470, kLButton); // same key: nothing
    frame.move(150, 470, kLButton); // D, 50
    frame.move(995, 470, kLButton); // the gap past the last key, inside the control
    frame.move(998, 470, kLButton); // still nothing under the pointer
    frame.move(970, 420, kLButton); // top A, 93, velocity 0.75
    frame.up(970, 420);
    const std::vector<std::pair<int, float>> expected = { { 48, 1.f }, { 48, -1.f }, { 50, 1.f }, { 50, -1.f },
                                                          { 93, 0.75f }, { 93, -1.f } };
    EXPECT_EQ(played(host), expected);
    EXPECT_EQ(keys->getPressedKey(), 0);
}

TEST_F(PianorollFixture, LeavingTheKeyboardReleasesTheNote)
{
    frame.down(120, 470);
    frame.move(120, 300, kLButton); // above the keys, outside the control
    frame.move(120, 470, kLButton); // back in: plays again (a glide with the button held)
    frame.move(20, 470, kLButton);
    frame.up(20, 470);
    const std::vector<std::pair<int, float>> expected = { { 48, 1.f }, { 48, -1.f }, { 48, 1.f }, { 48, -1.f } };
    EXPECT_EQ(played(host), expected);
}

TEST_F(PianorollFixture, RightClickHoldsTheNoteUntilALeftClickOnIt)
{
    frame.down(120, 470, kRButton);
    frame.up(120, 470, kRButton);
    EXPECT_TRUE(keys->isLatched());
    frame.move(300, 470); // hovering does not release it
    frame.move(300, 200);
    frame.move(120, 470);
    ASSERT_EQ(played(host), (std::vector<std::pair<int, float>>{ { 48, 1.f } }));

    click(150, 470); // another key: played and released; C keeps sounding
    click(120, 470); // C again: played and this time released
    const std::vector<std::pair<int, float>> expected = { { 48, 1.f }, { 50, 1.f }, { 50, -1.f }, { 48, 1.f },
                                                          { 48, -1.f } };
    EXPECT_EQ(played(host), expected);
    EXPECT_FALSE(keys->isLatched());
}

TEST_F(PianorollFixture, ReleaseElsewhereEndsTheNoteThatSounds)
{
    // Pressed on C, released over D with no move reported in between: C ends,
    // D (never played) gets no note-off.
    frame.down(120, 470);
    frame.up(150, 470);
    const std::vector<std::pair<int, float>> expected = { { 48, 1.f }, { 48, -1.f } };
    EXPECT_EQ(played(host), expected);
}

TEST_F(PianorollFixture, ClicksOutsideTheKeysPlayNothing)
{
    click(995, 470);
    click(50, 479.5); // below the white keys' bottom edge
    EXPECT_TRUE(host.notes.empty());
}

TEST_F(PianorollFixture, HandCursorAndShadeOverThePlayedKey)
{
    frame.move(120, 470);
    EXPECT_EQ(frame.frame->getCursor(), kCursorHand);
    frame.redraw();
    const CColor idleFront = frame.pixel(123, 470);
    const CColor idleTop = frame.pixel(123, 362);
    frame.down(120, 470);
    frame.idle();
    const CColor front = frame.pixel(123, 470);
    EXPECT_LT(front.red, idleFront.red - 15); // shaded toward the front of the key
    EXPECT_NEAR(frame.pixel(123, 362).red, idleTop.red, 3); // clear at its top
    EXPECT_EQ(frame.pixel(160, 470), idleFront); // neighbours untouched
    frame.up(120, 470);
    frame.idle();
    EXPECT_EQ(frame.pixel(123, 470), idleFront);
    frame.move(120, 200);
    EXPECT_EQ(frame.frame->getCursor(), kCursorDefault);
}

} // namespace
