// The editor as a host meets it: the flag and rectangle in the record, the
// window opened, closed and opened again, what opening shows.
#include <gtest/gtest.h>

#include "controls/Dial.h"
#include "controls/LCD_Display.h"
#include "tests/editor/EditorHost.h"
#include "tests/support/TestHost.h"

#include "toolkit/CTextEdit.h"

#include <cstring>

namespace {

TEST(EditorShell, TheModuleAnnouncesItsEditorAndItsRectangleAtAnyTime)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    EXPECT_TRUE(host.effect()->flags & effFlagsHasEditor);
    for (int round = 0; round < 2; ++round)
    {
        ERect* rect = nullptr;
        ASSERT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 1);
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->top, 0);
        EXPECT_EQ(rect->left, 0);
        EXPECT_EQ(rect->bottom, 480);
        EXPECT_EQ(rect->right, 1024);
        // The same answer once the window is open (headless here).
        ASSERT_EQ(host.dispatch(effEditOpen), 1);
    }
    host.dispatch(effEditClose);
}

class EditorWindow : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(h.ok()); }
    EditorHost h;
};

TEST_F(EditorWindow, EveryOpenMakesAFreshWindowShowingTheCurrentValues)
{
    ASSERT_TRUE(h.open());
    const int views = h.frame()->getNbViews();
    EXPECT_GT(views, 100);
    h.close();
    EXPECT_EQ(h.frame(), nullptr);
    EXPECT_EQ(h.gui->getControl(1), nullptr) << "no view outlives its window";

    // Changes while closed reach nothing, and show at the next open.
    h.plugin->setParameter(ParamId::Volume, 0.8f);
    h.plugin->setParameter(ParamId::SbOctave, 1.f);
    char name[] = "Glass Coil";
    h.plugin->setProgramName(name);
    ASSERT_TRUE(h.open());
    EXPECT_EQ(h.frame()->getNbViews(), views);
    EXPECT_FLOAT_EQ(h.gui->getControl(1)->getValue(), 0.8f);
    EXPECT_FLOAT_EQ(h.gui->getControl(paramIndex(ParamId::SbOctave))->getValue(), 1.f);
    EXPECT_STREQ(h.gui->getNameField()->getText(), "Glass Coil");
    EXPECT_STREQ(h.gui->getReadout(1)->getText(), "volume:1.000");
    EXPECT_STREQ(h.gui->getReadout(4)->getText(), "stereo:0.000");
    for (int page = 0; page < KelGui::kPageCount; ++page)
        EXPECT_FALSE(h.gui->isPageOpen(static_cast<KelGui::Page>(page))) << "every open starts with the pages closed";
    h.close();
}

TEST_F(EditorWindow, OpeningRendersThePanelsOnceInTheProgramsColour)
{
    h.plugin->setParameter(ParamId::GuiRed, 1.f);
    h.plugin->setParameter(ParamId::GuiGreen, 0.5f);
    h.plugin->setParameter(ParamId::GuiBlue, 0.2f);
    const int before = h.gui->getPanelRenderCount();
    ASSERT_TRUE(h.open());
    EXPECT_EQ(h.gui->getPanelRenderCount() - before, 1);
    const VSTGUI::CColor c = h.gui->getThemeColour();
    EXPECT_EQ(c.red, 255);
    EXPECT_EQ(c.green, 127);
    EXPECT_EQ(c.blue, 51);
    h.repaint();
    const WindowImage red = WindowImage::of(h.frame());
    h.close();

    // Reopened in another colour: another picture; back in this colour: the same.
    h.plugin->setParameter(ParamId::GuiRed, 0.2f);
    ASSERT_TRUE(h.open());
    h.repaint();
    EXPECT_GT(WindowImage::of(h.frame()).differingPixels(red), 400000);
    h.close();
    h.plugin->setParameter(ParamId::GuiRed, 1.f);
    ASSERT_TRUE(h.open());
    h.repaint();
    EXPECT_EQ(WindowImage::of(h.frame()).differingPixels(red), 0);
    h.close();
}

TEST_F(EditorWindow, OpenAndCloseManyTimesLeavesNothingBehind)
{
    // Under the leak checker every open's views, bitmaps and contexts must
    // come back; the frame holds exactly the views of one open.
    ASSERT_TRUE(h.open());
    const int views = h.frame()->getNbViews();
    h.close();
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    constexpr int kCycles = 20;
#else
    constexpr int kCycles = 200;
#endif
    for (int i = 0; i < kCycles; ++i)
    {
        ASSERT_TRUE(h.open());
        h.idle();
        ASSERT_EQ(h.frame()->getNbViews(), views);
        h.close();
    }
}

TEST_F(EditorWindow, KeysTheEditorDoesNotUseGoToTheHost)
{
    ASSERT_TRUE(h.open());
    EXPECT_EQ(h.host.dispatch(effEditKeyDown, 'a', 0, nullptr, 0.f), 0);
    EXPECT_EQ(h.host.dispatch(effEditKeyUp, 'a', 0, nullptr, 0.f), 0);
    // While the name is being typed the field takes them.
    h.click(700, 20);
    ASSERT_TRUE(h.gui->getNameField()->isEditing());
    EXPECT_EQ(h.host.dispatch(effEditKeyDown, 'x', 0, nullptr, 0.f), 1);
    h.close();
}

} // namespace
