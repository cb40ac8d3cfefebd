// The on-screen keyboard played with injected mouse events: which note a
// click sounds, how loud, gliding, the right-button latch and releases.

#include "ControlHostDouble.h"
#include "GalleryHelpers.h"

#include "controls/Pianoroll.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace VSTGUI;

namespace {

using Notes = std::vector<std::pair<int, float>>; // (note, velocity); -1 for a note-off

struct PianorollFixture : ::testing::Test
{
    TestFrame frame{1024, 480};
    ControlHostDouble host;
    Pianoroll* keys = frame.add(new Pianoroll(CRect(42, 360, 1002, 479), &host));
};

} // namespace

TEST_F(PianorollFixture, ClicksSoundMidiNotes45To93LouderTowardTheFront)
{
    const std::tuple<double, double, int, float> clicks[] = {
        // x, y, note, velocity
        {50, 470, 45, 1.f}, // leftmost white key, A
        {970, 470, 93, 1.f}, // rightmost, A four octaves up
        {120, 360, 48, 0.f}, // C at the very top of the key
        {120, 400, 48, 0.5f},
        {120, 440, 48, 1.f}, // 80 pixels down
        // A# spans x 68.5..89.5 above y 439.73, over the right of A and the
        // left of B: there it wins; below it the white keys sound.
        {72, 400, 46, 0.5f},
        {82, 400, 46, 0.5f},
        {72, 445, 45, 1.f},
        {82, 445, 47, 1.f},
        {76, 460, 45, 1.f}, // the right edge of the lowest A
    };
    for (auto [x, y, note, velocity] : clicks)
    {
        host.clear();
        frame.click(x, y);
        EXPECT_EQ(host.notes, (Notes{{note, velocity}, {note, -1.f}})) << x << "," << y;
    }
    host.clear();
    frame.click(995, 470); // the gap past the last key
    frame.click(50, 479.5); // below the white keys' bottom edge
    EXPECT_TRUE(host.notes.empty());
}

TEST_F(PianorollFixture, KeysSoundAndShadeWhereThePanelPaintsThem)
{
    // The panel paints 29 white keys from x 45, 23 or 24 units of 1.3913044
    // pixels wide (A B C D E F G). A click a pixel either side of each
    // painted edge plays the key drawn there.
    const int units[7] = {23, 24, 23, 24, 23, 24, 23};
    const int semitonesFromA[7] = {0, 2, 3, 5, 7, 8, 10};
    std::vector<double> edges{45.0};
    for (int i = 0; i < 29; ++i)
        edges.push_back(edges.back() + units[i % 7] * 1.3913044);
    auto whiteNote = [&](int i) { return 45 + 12 * (i / 7) + semitonesFromA[i % 7]; };
    for (int i = 0; i < 29; ++i)
    {
        for (double x : {edges[i] + 1.0, edges[i + 1] - 1.0})
        {
            host.clear();
            frame.click(x, 470);
            ASSERT_EQ(host.notes.size(), 2u) << x;
            EXPECT_EQ(host.notes.front().first, whiteNote(i)) << "click at x " << x;
        }
    }
    // The shade of a pressed key covers the painted key and nothing more.
    frame.redraw();
    for (int i : {0, 2, 13, 28})
    {
        frame.down((edges[i] + edges[i + 1]) / 2, 470);
        frame.idle();
        const auto [first, last] = frame.inkedSpan(470, 0, 1024);
        EXPECT_NEAR(first, edges[i], 1.0) << "key " << i;
        EXPECT_NEAR(last + 1, edges[i + 1], 1.0) << "key " << i;
        frame.up((edges[i] + edges[i + 1]) / 2, 470);
        frame.idle();
    }
}

TEST_F(PianorollFixture, GlideReleasesOnceAndPlaysTheNewKey)
{
    frame.down(120, 470); // C, 48
    frame.move(125, 470, kLButton); // same key: nothing
    frame.move(150, 470, kLButton); // D, 50
    frame.move(995, 470, kLButton); // the gap past the last key, inside the control
    frame.move(998, 470, kLButton); // still nothing under the pointer
    frame.move(970, 420, kLButton); // top A, 93, velocity 0.75
    frame.move(970, 300, kLButton); // leaving the keyboard releases it
    frame.move(970, 420, kLButton); // back in with the button held: plays again
    frame.up(970, 420);
    EXPECT_EQ(host.notes,
              (Notes{{48, 1.f}, {48, -1.f}, {50, 1.f}, {50, -1.f}, {93, 0.75f}, {93, -1.f}, {93, 0.75f}, {93, -1.f}}));
    EXPECT_EQ(keys->getPressedKey(), 0);

    // Pressed on C, released over D with no move reported in between: C ends,
    // D (never played) gets no note-off.
    host.clear();
    frame.down(120, 470);
    frame.up(150, 470);
    EXPECT_EQ(host.notes, (Notes{{48, 1.f}, {48, -1.f}}));
}

TEST_F(PianorollFixture, RightClickHoldsTheNoteUntilALeftClickOnIt)
{
    frame.click(120, 470, kRButton);
    EXPECT_TRUE(keys->isLatched());
    frame.move(300, 470); // hovering does not release it
    frame.move(300, 200);
    frame.move(120, 470);
    ASSERT_EQ(host.notes, (Notes{{48, 1.f}}));
    frame.click(150, 470); // another key: played and released; C keeps sounding
    frame.click(120, 470); // C again: played and this time released
    EXPECT_EQ(host.notes, (Notes{{48, 1.f}, {50, 1.f}, {50, -1.f}, {48, 1.f}, {48, -1.f}}));
    EXPECT_FALSE(keys->isLatched());
}

TEST_F(PianorollFixture, HandCursorAndShadeOverThePlayedKey)
{
    frame.move(120, 470);
    EXPECT_EQ(frame.frame->getCursor(), kCursorHand);
    frame.redraw();
    const CColor idleFront = frame.pixel(123, 470);
    frame.down(120, 470);
    frame.idle();
    EXPECT_LT(frame.pixel(123, 470).red, idleFront.red - 15); // shaded toward the front of the key
    EXPECT_EQ(frame.pixel(160, 470), idleFront); // neighbours untouched
    frame.up(120, 470);
    frame.idle();
    EXPECT_EQ(frame.pixel(123, 470), idleFront);
}
