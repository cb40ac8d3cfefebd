// The computed background: pages opened and closed, the theme colour
// changed, and the whole window against reference pictures made by this
// project (scripts/update-editor-references.sh makes them anew).
#include <gtest/gtest.h>

#include "tests/editor/EditorHost.h"

#include "toolkit/CBitmap.h"

#include <filesystem>
#include <string>

namespace {

class EditorPanel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(h.ok());
        ASSERT_TRUE(h.open());
    }
    void TearDown() override { h.close(); }

    WindowImage picture()
    {
        h.repaint();
        return WindowImage::of(h.frame());
    }

    EditorHost h;
};

TEST_F(EditorPanel, APageOpenedAndClosedLeavesTheSamePicture)
{
    const WindowImage closed = picture();
    const int renders = h.gui->getPanelRenderCount();
    h.click(600, 60); // MICROTUNING
    const WindowImage open = picture();
    EXPECT_EQ(h.gui->getPanelRenderCount(), renders + 1);
    EXPECT_GT(open.differingPixels(closed), 40000) << "the page area shows the page";
    h.click(760, 60); // MODULATION: a switch, no render
    EXPECT_EQ(h.gui->getPanelRenderCount(), renders + 1);
    h.click(760, 60); // closed again
    EXPECT_EQ(h.gui->getPanelRenderCount(), renders + 2);
    EXPECT_EQ(picture().differingPixels(closed), 0);
}

TEST_F(EditorPanel, ChangingTheColourRendersAgainAndKeepsTheControls)
{
    VSTGUI::CControl* volume = h.gui->getControl(1);
    const VSTGUI::CBitmap* background = h.frame()->getBackground();
    h.plugin->setParameter(ParamId::Volume, 0.3f);
    const WindowImage grey = picture();
    const int renders = h.gui->getPanelRenderCount();
    h.host.setParameter(paramIndex(ParamId::GuiRed), 1.f);
    EXPECT_EQ(h.gui->getPanelRenderCount(), renders + 1);
    EXPECT_NE(h.frame()->getBackground(), background);
    EXPECT_EQ(h.gui->getControl(1), volume) << "the controls are not made anew";
    EXPECT_FLOAT_EQ(volume->getValue(), 0.3f);
    const WindowImage red = picture();
    EXPECT_GT(red.differingPixels(grey), 400000);
    // Redder where the plain texture shows (pixel 300, 5; bytes B, G, R, A).
    const auto redAt = [](const WindowImage& im) { return static_cast<unsigned char>(im.bytes[5 * im.stride + 1202]); };
    EXPECT_GT(redAt(red), redAt(grey));
}

// The window as the references show it: the default program, all pages
// closed, and each page open.
TEST_F(EditorPanel, TheWindowMatchesItsReferencePictures)
{
    const std::string out = VANT_EDITOR_OUTPUT_DIR;
    std::filesystem::create_directories(out);
    for (const char* page : {"closed", "presets", "microtuning", "modulation", "effects"})
    {
        if (std::string(page) != "closed")
        {
            ASSERT_TRUE(h.openPage(page));
        }
        const std::string actual = out + "/" + page + ".png";
        ASSERT_TRUE(h.writePng(actual));
        const WindowImage reference = WindowImage::fromPng(std::string(VANT_REFERENCE_DIR) + "/" + page + ".png");
        ASSERT_GT(reference.width, 0) << "no reference picture for " << page
                                      << "; scripts/update-editor-references.sh makes them";
        // Text rasterises a shade differently between font builds; the
        // rest must match.
        EXPECT_LT(WindowImage::fromPng(actual).differingPixels(reference, 8), 200) << page << ": compare " << actual;
    }
}

} // namespace
