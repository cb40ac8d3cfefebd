// File dialogs: the command line handed to the dialog program and what is
// made of its answer (the program itself is replaced through the runner).

#include "Recorders.h"

#include "toolkit/CNewFileSelector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace VSTGUI;

struct FileDialogs : ::testing::Test
{
    HeadlessFrame frame;
    std::vector<std::string> argv;
    std::string answer;
    int status = 0;
    void SetUp() override
    {
        CNewFileSelector::setDialogProgram("/usr/bin/zenity");
        CNewFileSelector::setRunner([this](const std::vector<std::string>& a, std::string& out) {
            argv = a;
            out = answer;
            return status;
        });
    }
    void TearDown() override
    {
        CNewFileSelector::setRunner(nullptr);
        CNewFileSelector::setDialogProgram("");
    }
    bool has(const std::string& arg) const { return std::find(argv.begin(), argv.end(), arg) != argv.end(); }
};

TEST_F(FileDialogs, NoSelectorWithoutAFrame) { EXPECT_EQ(CNewFileSelector::create(nullptr), nullptr); }

TEST_F(FileDialogs, OpenDialogStartsInTheFolderWithFilters)
{
    auto* sel = CNewFileSelector::create(frame.frame, CNewFileSelector::kSelectFile);
    sel->setTitle("Load Program");
    sel->setInitialDirectory("/home/u/presets");
    sel->addFileExtension(CFileExtension("Bank", "vnb"));
    sel->setDefaultExtension(CFileExtension("Program", "vnp"));
    answer = "/home/u/presets/a.vnp\n";
    EXPECT_TRUE(sel->runModal());
    EXPECT_EQ(argv.at(0), "/usr/bin/zenity");
    EXPECT_TRUE(has("--file-selection"));
    EXPECT_TRUE(has("--title=Load Program"));
    EXPECT_TRUE(has("--filename=/home/u/presets/"));
    EXPECT_FALSE(has("--save"));
    // The default extension's filter comes first, then the others, then all files.
    const auto first = std::find(argv.begin(), argv.end(), "--file-filter=Program (*.vnp) | *.vnp");
    const auto second = std::find(argv.begin(), argv.end(), "--file-filter=Bank (*.vnb) | *.vnb");
    ASSERT_NE(first, argv.end());
    ASSERT_NE(second, argv.end());
    EXPECT_LT(first, second);
    EXPECT_TRUE(has("--file-filter=All files | *"));
    ASSERT_EQ(sel->getNumSelectedFiles(), 1u);
    EXPECT_STREQ(sel->getSelectedFile(0), "/home/u/presets/a.vnp");
    EXPECT_EQ(sel->getSelectedFile(1), nullptr);
    sel->forget();
}

TEST_F(FileDialogs, SaveDialogProposesTheNameAndAddsTheExtension)
{
    auto* sel = CNewFileSelector::create(frame.frame, CNewFileSelector::kSelectSaveFile);
    sel->setInitialDirectory("/tmp/p/");
    sel->setDefaultSaveName("Init.vnp");
    sel->setDefaultExtension(CFileExtension("Program", "vnp"));
    answer = "/tmp/p/My Sound\n";
    EXPECT_TRUE(sel->runModal());
    EXPECT_TRUE(has("--save"));
    EXPECT_TRUE(has("--filename=/tmp/p/Init.vnp"));
    EXPECT_STREQ(sel->getSelectedFile(0), "/tmp/p/My Sound.vnp");
    sel->forget();
}

TEST_F(FileDialogs, CancelAndGarbageSelectNothing)
{
    auto* sel = CNewFileSelector::create(frame.frame);
    status = 1;
    answer = "";
    EXPECT_FALSE(sel->runModal());
    EXPECT_EQ(sel->getNumSelectedFiles(), 0u);
    status = 0;
    answer = "Gtk-WARNING: no display\n";
    EXPECT_FALSE(sel->runModal());
    EXPECT_EQ(sel->getNumSelectedFiles(), 0u);
    sel->forget();
}

TEST_F(FileDialogs, RunNotifiesTheDelegate)
{
    struct Delegate : CBaseObject
    {
        CMessageResult notify(CBaseObject* sender, const char* message) override
        {
            got = message;
            return kMessageNotified;
        }
        std::string got;
    } delegate;
    auto* sel = CNewFileSelector::create(frame.frame);
    answer = "/x\n";
    EXPECT_TRUE(sel->run(&delegate));
    EXPECT_EQ(delegate.got, CNewFileSelector::kSelectEndMessage);
    sel->forget();
}

TEST_F(FileDialogs, KdialogCommandLine)
{
    CNewFileSelector::setDialogProgram("/usr/bin/kdialog");
    auto* sel = CNewFileSelector::create(frame.frame, CNewFileSelector::kSelectSaveFile);
    sel->setTitle("Save");
    sel->setInitialDirectory("/d");
    sel->setDefaultSaveName("x.vmt");
    sel->addFileExtension(CFileExtension("Notes template", "vmt"));
    answer = "/d/y.vmt\n";
    EXPECT_TRUE(sel->runModal());
    EXPECT_EQ(argv, (std::vector<std::string>{"/usr/bin/kdialog", "--title", "Save", "--getsavefilename",
                                              "/d/x.vmt", "*.vmt|Notes template"}));
    sel->forget();
}

TEST(FileDialogProgram, RealRunnerReadsStdoutWithoutTheHostsLibraryPath)
{
    // A stand-in dialog program: prints a path with LD_LIBRARY_PATH appended.
    char dir[] = "/tmp/vant_dialog_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string script = std::string(dir) + "/zenity";
    {
        std::ofstream out(script);
        out << "#!/bin/sh\necho \"/tmp/chosen$LD_LIBRARY_PATH\"\nexit 0\n";
    }
    chmod(script.c_str(), 0755);
    setenv("LD_LIBRARY_PATH", "/host/libs", 1);
    HeadlessFrame frame;
    CNewFileSelector::setDialogProgram(script);
    auto* sel = CNewFileSelector::create(frame.frame);
    EXPECT_TRUE(sel->runModal());
    EXPECT_STREQ(sel->getSelectedFile(0), "/tmp/chosen");
    sel->forget();
    CNewFileSelector::setDialogProgram("");
    unsetenv("LD_LIBRARY_PATH");
    std::remove(script.c_str());
    rmdir(dir);
}
