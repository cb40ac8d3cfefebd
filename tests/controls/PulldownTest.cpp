// The "TEMPLATES" pull-down: rows from the pointer while the button is held
// and the row reported on release.

#include "ControlHostDouble.h"
#include "GalleryHelpers.h"

#include "controls/mt_Pulldown.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace VSTGUI;

namespace {

struct PulldownFixture : ::testing::Test
{
    TestFrame frame{1024, 480};
    ControlHostDouble host;
    mt_Pulldown* menu = frame.add(new mt_Pulldown(CRect(837, 74, 937, 94), &host));

    // Press on the title, move to each y, release at the last one; the row reported.
    float choose(std::initializer_list<double> ys)
    {
        frame.down(880, 84);
        double last = 84;
        for (double y : ys)
            frame.move(880, last = y, kLButton);
        frame.up(880, last);
        return menu->getChosen();
    }
};

TEST_F(PulldownFixture, ReleaseReportsTheRowLastReached)
{
    EXPECT_FLOAT_EQ(choose({74 + 17 * 3 + 5}), 3.f); // "PENTATONIC"
    EXPECT_FLOAT_EQ(choose({74 + 17 * 1}), 1.f); // "RESET", at the row's first pixel
    EXPECT_FLOAT_EQ(choose({74 + 17 * 6 + 16}), 6.f); // "SAVE", at its last
    EXPECT_FLOAT_EQ(choose({74 + 17 * 2 + 3, 80}), 0.f); // over the title: selects nothing
    EXPECT_FLOAT_EQ(choose({74 + 17 * 2 + 3, 60, 20}), 2.f); // above the top: the last row stays
    EXPECT_FLOAT_EQ(choose({74 + 17 * 7 + 1}), 7.f); // past the list: nothing
    // Far below (a captured pointer off the window): still past the list,
    // never wrapping round to an entry.
    EXPECT_FLOAT_EQ(choose({74.0 + 17.0 * 257 + 1}), 7.f);
    EXPECT_FLOAT_EQ(choose({1e12}), 7.f);
    EXPECT_EQ(host.changedValues.size(), 8u); // one report per release
}

TEST_F(PulldownFixture, EachModeListsTheEntriesItsTemplateCommandsRun)
{
    auto entries = [&] {
        std::vector<std::string> texts;
        for (int32_t r = 0; r <= mt_Pulldown::kEntryCount + 1; ++r)
            texts.push_back(menu->entryText(r) ? menu->entryText(r) : "-");
        return texts;
    };
    using Texts = std::vector<std::string>;
    EXPECT_FALSE(menu->isPitchBend());
    EXPECT_EQ(entries(), (Texts{"-", "RESET", "MEAN", "JUST", "OCTATONIC", "LOAD", "SAVE", "-"}));
    menu->setPitchBend(true);
    EXPECT_EQ(entries(), (Texts{"-", "RESET", "TONIC Cmaj", "PENTATONIC", "OCTATONIC", "LOAD", "SAVE", "-"}));
    // The row reported is the same in both modes; the flag tells them apart.
    EXPECT_FLOAT_EQ(choose({74 + 17 * 3 + 5}), 3.f);
    EXPECT_TRUE(menu->isPitchBend());
}

TEST_F(PulldownFixture, EveryEntryFitsInsideTheMenuInBothModes)
{
    const int L = 837, R = 937, T = 74;
    for (bool pitchBend : {false, true})
    {
        menu->setPitchBend(pitchBend);
        frame.down(880, 84); // held open over the title: no row highlighted
        frame.idle();
        for (int r = 1; r <= mt_Pulldown::kEntryCount; ++r)
        {
            const CColor fill = frame.pixel(R - 4, T + 17 * r + 2); // above the capitals
            int first = -1, last = -1;
            for (int y = T + 17 * r + 3; y < T + 17 * r + 16; ++y)
                for (int x = L + 2; x < R - 3; ++x)
                    if (!samePixel(frame.pixel(x, y), fill, 2))
                        first = first < 0 || x < first ? x : first, last = std::max(last, x);
            EXPECT_LE(first, L + 6) << menu->entryText(r); // drawn, from the left
            EXPECT_LT(last, R - 4) << menu->entryText(r); // ends clear of the outline
        }
        frame.up(880, 84);
        frame.idle();
    }
}

TEST_F(PulldownFixture, UnfoldsWhileHeldAndFoldsOnRelease)
{
    frame.redraw();
    frame.down(880, 84);
    frame.move(880, 74 + 17 * 4 + 8, kLButton);
    frame.idle();
    // The list covers the area below the title; the highlighted band is darker.
    EXPECT_EQ(frame.inked(CRect(900, 95, 901, 190)), 95);
    const CColor band = frame.pixel(930, 74 + 17 * 4 + 8);
    const CColor other = frame.pixel(930, 74 + 17 * 2 + 8);
    EXPECT_LT(band.red + band.green + band.blue, other.red + other.green + other.blue - 60);

    frame.up(880, 74 + 17 * 4 + 8);
    frame.idle();
    EXPECT_EQ(frame.inked(CRect(900, 95, 901, 200)), 0); // the panel is back
    EXPECT_EQ(host.changedValues.size(), 1u);
}

} // namespace
