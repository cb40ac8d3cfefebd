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
    CNewFileSelector* sel = nullptr;
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
        if (sel)
            sel->forget();
        CNewFileSelector::setRunner(nullptr);
        CNewFileSelector::setDialogProgram("");
    }
    CNewFileSelector* open(CNewFileSelector::Style style = CNewFileSelector::kSelectFile)
    {
        return sel = CNewFileSelector::create(frame.frame, style);
    }
    std::ptrdiff_t position(const std::string& arg) const
    {
        return std::find(argv.begin(), argv.end(), arg) - argv.begin();
    }
    bool has(const std::string& arg) const { return position(arg) < static_cast<std::ptrdiff_t>(argv.size()); }
};

TEST_F(FileDialogs, OpenDialogStartsInTheFolderWithFilters)
{
    open()->setTitle("Load Program");
    sel->setInitialDirectory("/home/u/presets");
    sel->addFileExtension(CFileExtension("Bank", "vnb"));
    sel->setDefaultExtension(CFileExtension("Program", "vnp"));
    answer = "/home/u/presets/a.vnp\n";
    EXPECT_TRUE(sel->runModal());
    EXPECT_EQ(argv.at(0), "/usr/bin/zenity");
    for (const char* arg : {"--file-selection", "--title=Load Program", "--filename=/home/u/presets/"})
        EXPECT_TRUE(has(arg)) << arg;
    EXPECT_FALSE(has("--save"));
    // The default extension's filter comes first, then the others, then all files.
    const auto program = position("--file-filter=Program (*.vnp) | *.vnp");
    const auto bank = position("--file-filter=Bank (*.vnb) | *.vnb");
    const auto all = position("--file-filter=All files | *");
    EXPECT_LT(program, bank);
    EXPECT_LT(bank, all);
    EXPECT_TRUE(has("--file-filter=All files | *"));
    ASSERT_EQ(sel->getNumSelectedFiles(), 1u);
    EXPECT_STREQ(sel->getSelectedFile(0), "/home/u/presets/a.vnp");
    EXPECT_EQ(sel->getSelectedFile(1), nullptr);
}

TEST_F(FileDialogs, SaveDialogProposesTheNameAndAddsTheExtension)
{
    open(CNewFileSelector::kSelectSaveFile)->setInitialDirectory("/tmp/p/");
    sel->setDefaultSaveName("Init.vnp");
    sel->setDefaultExtension(CFileExtension("Program", "vnp"));
    answer = "/tmp/p/My Sound\n";
    EXPECT_TRUE(sel->runModal());
    EXPECT_TRUE(has("--save"));
    EXPECT_TRUE(has("--filename=/tmp/p/Init.vnp"));
    EXPECT_STREQ(sel->getSelectedFile(0), "/tmp/p/My Sound.vnp");
}

TEST_F(FileDialogs, CancelAndGarbageSelectNothingAndRunNotifiesTheDelegate)
{
    EXPECT_EQ(CNewFileSelector::create(nullptr), nullptr); // no frame, no dialog
    open();
    status = 1;
    EXPECT_FALSE(sel->runModal());
    EXPECT_EQ(sel->getNumSelectedFiles(), 0u);
    status = 0;
    answer = "Gtk-WARNING: no display\n";
    EXPECT_FALSE(sel->runModal());
    EXPECT_EQ(sel->getNumSelectedFiles(), 0u);

    struct Delegate : CBaseObject
    {
        CMessageResult notify(CBaseObject*, const char* message) override
        {
            got = message;
            return kMessageNotified;
        }
        std::string got;
    } delegate;
    answer = "/x\n";
    EXPECT_TRUE(sel->run(&delegate));
    EXPECT_EQ(delegate.got, CNewFileSelector::kSelectEndMessage);
}

TEST_F(FileDialogs, KdialogCommandLine)
{
    CNewFileSelector::setDialogProgram("/usr/bin/kdialog");
    open(CNewFileSelector::kSelectSaveFile)->setTitle("Save");
    sel->setInitialDirectory("/d");
    sel->setDefaultSaveName("x.vmt");
    sel->addFileExtension(CFileExtension("Notes template", "vmt"));
    answer = "/d/y.vmt\n";
    EXPECT_TRUE(sel->runModal());
    EXPECT_EQ(argv, (std::vector<std::string>{"/usr/bin/kdialog", "--title", "Save", "--getsavefilename",
                                              "/d/x.vmt", "*.vmt|Notes template"}));
}

TEST(FileDialogProgram, RealRunnerReadsStdoutWithoutTheHostsLibraryPath)
{
    // A stand-in dialog program: prints a path with LD_LIBRARY_PATH appended.
    char dir[] = "/tmp/vant_dialog_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string script = std::string(dir) + "/zenity";
    std::ofstream(script) << "#!/bin/sh\necho \"/tmp/chosen$LD_LIBRARY_PATH\"\nexit 0\n";
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
