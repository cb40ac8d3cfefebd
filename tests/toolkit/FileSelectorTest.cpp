// File dialogs: the command line handed to the dialog program and what is
// made of its answer (the program itself is replaced through the runner).

#include "Recorders.h"

#include "toolkit/CNewFileSelector.h"

#include <gtest/gtest.h>

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
        if (sel)
            sel->forget();
        return sel = CNewFileSelector::create(frame.frame, style);
    }
};

TEST_F(FileDialogs, CommandLineAndAnswer)
{
    struct Case
    {
        const char* program;
        CNewFileSelector::Style style;
        const char *title, *dir, *answer, *chosen;
        std::vector<std::string> argv;
    };
    const Case cases[] = {
        // Opening starts in the folder; the default extension's filter comes
        // first, then the others, then all files.
        {"/usr/bin/zenity",
         CNewFileSelector::kSelectFile,
         "Load",
         "/home/u/presets",
         "/home/u/presets/a.vnp\n",
         "/home/u/presets/a.vnp",
         {"/usr/bin/zenity", "--file-selection", "--title=Load", "--filename=/home/u/presets/",
          "--file-filter=Program (*.vnp) | *.vnp", "--file-filter=Bank (*.vnb) | *.vnb",
          "--file-filter=All files | *"}},
        // Saving proposes the name and adds the extension to the answer.
        {"/usr/bin/zenity",
         CNewFileSelector::kSelectSaveFile,
         "",
         "/tmp/p/",
         "/tmp/p/My Sound\n",
         "/tmp/p/My Sound.vnp",
         {"/usr/bin/zenity", "--file-selection", "--save", "--confirm-overwrite", "--filename=/tmp/p/Init.vnp",
          "--file-filter=Program (*.vnp) | *.vnp", "--file-filter=Bank (*.vnb) | *.vnb",
          "--file-filter=All files | *"}},
        {"/usr/bin/kdialog",
         CNewFileSelector::kSelectSaveFile,
         "Save",
         "/d",
         "/d/y.vnb\n",
         "/d/y.vnb",
         {"/usr/bin/kdialog", "--title", "Save", "--getsavefilename", "/d/Init.vnp", "*.vnp|Program\n*.vnb|Bank"}},
    };
    for (const Case& c : cases)
    {
        CNewFileSelector::setDialogProgram(c.program);
        open(c.style)->setTitle(c.title);
        sel->setInitialDirectory(c.dir);
        sel->setDefaultSaveName("Init.vnp");
        sel->addFileExtension(CFileExtension("Bank", "vnb"));
        sel->setDefaultExtension(CFileExtension("Program", "vnp"));
        answer = c.answer;
        EXPECT_TRUE(sel->runModal());
        EXPECT_EQ(argv, c.argv) << c.program;
        ASSERT_EQ(sel->getNumSelectedFiles(), 1u);
        EXPECT_STREQ(sel->getSelectedFile(0), c.chosen);
        EXPECT_EQ(sel->getSelectedFile(1), nullptr);
    }
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
        CMessageResult notify(CBaseObject*, const char* message) override { return got = message, kMessageNotified; }
        std::string got;
    } delegate;
    answer = "/x\n";
    EXPECT_TRUE(sel->run(&delegate));
    EXPECT_EQ(delegate.got, CNewFileSelector::kSelectEndMessage);
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

TEST(FileDialogProgram, NoDialogProgramSaysSoOnStandardError)
{
    char dir[] = "/tmp/vant_nodialog_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string savedPath = getenv("PATH") ? getenv("PATH") : "";
    setenv("PATH", dir, 1); // a PATH without zenity or kdialog
    HeadlessFrame frame;
    auto* sel = CNewFileSelector::create(frame.frame);
    EXPECT_EQ(CNewFileSelector::findDialogProgram(), "");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(sel->runModal());
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("zenity"), std::string::npos) << said;
    EXPECT_EQ(sel->getNumSelectedFiles(), 0u);
    sel->forget();
    setenv("PATH", savedPath.c_str(), 1);
    rmdir(dir);
}
