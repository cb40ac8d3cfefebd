// `vantorel snapshot` run as a user runs it: the editor window as a PNG,
// with a page open and a state applied.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/module/TempDir.h"

namespace {

int runSnapshot(const std::string& args)
{
    const std::string command =
        std::string(VANTOREL_TOOL) + " snapshot --module " + VANTOREL_MODULE + " " + args + " 2>/dev/null";
    return std::system(command.c_str());
}

struct Png
{
    explicit Png(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Png() { cairo_surface_destroy(surface); }
    bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(surface); }
    int height() const { return cairo_image_surface_get_height(surface); }
    // Pixels that differ from o's.
    int differing(const Png& o) const
    {
        const unsigned char* a = cairo_image_surface_get_data(surface);
        const unsigned char* b = cairo_image_surface_get_data(o.surface);
        const int stride = cairo_image_surface_get_stride(surface);
        int n = 0;
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                n += std::memcmp(a + y * stride + 4 * x, b + y * stride + 4 * x, 4) != 0;
        return n;
    }
    // Pixels with a channel more than tolerance away from o's.
    int differingBeyond(const Png& o, int tolerance) const
    {
        const unsigned char* a = cairo_image_surface_get_data(surface);
        const unsigned char* b = cairo_image_surface_get_data(o.surface);
        const int stride = cairo_image_surface_get_stride(surface);
        int n = 0;
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                for (int c = 0; c < 4; ++c)
                    if (std::abs(a[y * stride + 4 * x + c] - b[y * stride + 4 * x + c]) > tolerance)
                    {
                        ++n;
                        break;
                    }
        return n;
    }
    cairo_surface_t* surface;
};

TEST(SnapshotCommand, WritesTheWindowWithEachPage)
{
    TempDir dir;
    ASSERT_EQ(runSnapshot("--out " + dir.file("closed.png")), 0);
    const Png closed(dir.file("closed.png"));
    ASSERT_TRUE(closed.ok());
    EXPECT_EQ(closed.width(), 1024);
    EXPECT_EQ(closed.height(), 480);
    for (const char* page : {"presets", "microtuning", "modulation", "effects"})
    {
        const std::string path = dir.file((std::string(page) + ".png").c_str());
        ASSERT_EQ(runSnapshot(std::string("--page ") + page + " --out " + path), 0) << page;
        const Png shot(path);
        ASSERT_TRUE(shot.ok()) << page;
        // Only the page area and its tab change.
        EXPECT_GT(shot.differing(closed), 30000) << page;
        EXPECT_LT(shot.differing(closed), 80000) << page;
    }
}

TEST(SnapshotCommand, AppliesTheStateAndRefusesWhatItCannotDo)
{
    TempDir dir;
    ASSERT_EQ(runSnapshot("--out " + dir.file("grey.png")), 0);
    ASSERT_EQ(runSnapshot("--param 48=1 --param 1=0.1 --out " + dir.file("red.png")), 0);
    EXPECT_GT(Png(dir.file("red.png")).differing(Png(dir.file("grey.png"))), 400000);
    EXPECT_NE(runSnapshot("--page mixer --out " + dir.file("x.png")), 0);
    EXPECT_NE(runSnapshot("--param 200=1 --out " + dir.file("x.png")), 0);
    EXPECT_NE(runSnapshot("--out /nonexistent-folder/x.png"), 0);
    ASSERT_EQ(runSnapshot("--scale 0.5 --out " + dir.file("half.png")), 0);
    EXPECT_EQ(Png(dir.file("half.png")).width(), 512);
}

// The PRESETS page over a folder of banks and programs, as its reference
// picture shows it (scripts/update-editor-references.sh makes it anew).
TEST(SnapshotCommand, ShowsTheBrowserOverAGivenPresetsFolder)
{
    TempDir dir;
    const std::string reference = std::string(VANT_SOURCE_DIR) + "/tests/editor/reference";
    const std::string shot = dir.file("browser.png");
    ASSERT_EQ(runSnapshot("--page presets --presets '" + reference + "/presets-folder' --out " + shot), 0);
    const Png actual(shot);
    const Png expected(reference + "/presets-browser.png");
    ASSERT_TRUE(actual.ok());
    ASSERT_TRUE(expected.ok());
    ASSERT_EQ(actual.width(), expected.width());
    // Text rasterises a shade differently between font builds.
    EXPECT_LT(actual.differingBeyond(expected, 8), 200) << "compare " << shot;

    // The default listing (no such files) differs by the rows.
    ASSERT_EQ(runSnapshot("--page presets --presets " + dir.path.string() + " --out " + dir.file("empty.png")), 0);
    EXPECT_GT(Png(dir.file("empty.png")).differing(actual), 1000);
    EXPECT_NE(runSnapshot("--page presets --presets /nonexistent-folder --out " + dir.file("x.png")), 0);
}

} // namespace
