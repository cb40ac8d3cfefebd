// The preset browser driven with the mouse and the keyboard over a presets
// folder of the test's own: what the lists show, what clicks do to the
// programs, and which files end up on disk with which bytes.
#include <gtest/gtest.h>

#include "editor/LCD_presets.h"
#include "tests/editor/EditorHost.h"
#include "tests/module/TempDir.h"

#include "toolkit/CTextEdit.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::string>;

class EditorPresetBrowser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(h.ok());
        ASSERT_TRUE(h.open());
        folder = dir.path / "presets";
        fs::create_directories(folder);
    }
    void TearDown() override { h.close(); }

    // Points the browser at the folder and opens the PRESETS page.
    void showBrowser()
    {
        const std::string path = folder.string();
        ASSERT_EQ(
            h.host.dispatch(effVendorSpecific, kEditorRequest, kEditorPresetsFolder, const_cast<char*>(path.c_str())),
            1);
        ASSERT_TRUE(h.openPage("presets"));
        h.repaint();
        ASSERT_NE(browser(), nullptr);
    }
    LCD_presets* browser() const { return dynamic_cast<LCD_presets*>(h.gui->getControl(119)); }
    Rows bankRows() const
    {
        Rows rows;
        for (int r = 0; r < browser()->bankRows(); ++r)
            rows.push_back(browser()->bankRowText(r));
        return rows;
    }
    Rows presetRows() const
    {
        Rows rows;
        for (int r = 0; r < browser()->presetRows(); ++r)
            rows.push_back(browser()->presetRowText(r));
        return rows;
    }

    // Window pixels of a row as the lists lie now.
    double bankY(int row) const { return browser()->bankList().rowTop(row) + 6; }
    double presetY(int row) const { return browser()->presetList().rowTop(row) + 6; }
    void doubleClick(double x, double y)
    {
        h.click(x, y);
        h.down(x, y, VSTGUI::kLButton | VSTGUI::kDoubleClick);
        h.up(x, y);
        h.repaint();
    }
    void rightClick(double x, double y)
    {
        h.move(x, y);
        h.down(x, y, VSTGUI::kRButton);
        h.up(x, y, VSTGUI::kRButton);
        h.repaint();
    }
    void openBank(int row) { doubleClick(540, bankY(row)); }
    void choose(LCD_presets::Button button)
    {
        const VSTGUI::CRect r = browser()->dialogButton(button);
        ASSERT_FALSE(r.isEmpty());
        h.click(r.left + 10, r.top + 10);
        h.repaint();
    }
    void clickProgramSave()
    {
        h.click(899, 84);
        h.repaint();
    }
    void type(const std::string& text)
    {
        for (char c : text)
            h.host.dispatch(effEditKeyDown, c, c == ' ' ? VSTGUI::VKEY_SPACE : 0);
    }
    void key(unsigned char virt, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            h.host.dispatch(effEditKeyDown, 0, virt);
    }

    void nameProgram(int p, const char* name)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%s", name);
        h.plugin->setProgram(p);
        h.plugin->setProgramName(text);
    }
    // A bank file of the given programs, each with its own decay (0.1 each
    // step); the plug-in's bank is new again afterwards.
    void writeBank(const char* file, const Rows& names)
    {
        h.plugin->initBank();
        for (size_t p = 0; p < names.size(); ++p)
        {
            nameProgram(static_cast<int>(p), names[p].c_str());
            h.plugin->setParameter(ParamId::Decay, 0.1f * static_cast<float>(p + 1));
        }
        h.plugin->saveBankFile((folder / file).c_str());
        h.plugin->initBank();
        h.plugin->setProgram(0);
    }
    void touch(const char* file, const std::string& bytes = "")
    {
        writeFile(folder / file, std::vector<unsigned char>(bytes.begin(), bytes.end()));
    }
    std::string nameInFile(const std::vector<unsigned char>& bank, int p) const
    {
        return std::string(reinterpret_cast<const char*>(bank.data() + p * 1500 + 1472));
    }
    std::vector<unsigned char> bankImage() const
    {
        const unsigned char* image = h.plugin->getBankImage();
        return std::vector<unsigned char>(image, image + 97024);
    }
    std::vector<unsigned char> record(int p) const
    {
        const unsigned char* image = h.plugin->getBankImage() + p * 1500;
        return std::vector<unsigned char>(image, image + 1500);
    }
    VSTGUI::CTextEdit* field() const { return h.gui->getNameField(); }

    EditorHost h;
    TempDir dir;
    fs::path folder;
};

const Rows kEmptyBanks = {"...", "   NEW BANK"};

TEST_F(EditorPresetBrowser, ListsTheFolderSortedWithoutRegardToCase)
{
    showBrowser();
    EXPECT_EQ(bankRows(), kEmptyBanks);
    EXPECT_EQ(presetRows(), Rows{});

    for (const char* f : {"bowed.vnp", "Zither.vnp", "air.vnp", "Bell.vnp", "zinc.vnb", "Autumn.vnb", "notes.txt",
                          "Old.VNP", "mine.vnb.tmp1-0"})
        touch(f);
    fs::create_directories(folder / "folder.vnb");
    h.click(520, 58); // the tab closes the page and opens it again: the folder is listed anew
    h.click(520, 58);
    h.repaint();
    EXPECT_EQ(bankRows(), (Rows{"...", "Autumn", "zinc", "   NEW BANK"}));
    EXPECT_EQ(presetRows(), (Rows{"air", "Bell", "bowed", "Zither"}));
    EXPECT_FALSE(browser()->isBankMode());
    EXPECT_EQ(browser()->getOpenBankName(), "...");
    // The current program ("Init") has no file here: SAVE shows.
    EXPECT_TRUE(browser()->isModified());
}

TEST_F(EditorPresetBrowser, ABankListsItsProgramsAndNewPresetStoresTheSound)
{
    writeBank("Springs.vnb", {"Init", "Pad"});
    showBrowser();
    ASSERT_EQ(bankRows(), (Rows{"...", "Springs", "   NEW BANK"}));
    openBank(1);
    EXPECT_TRUE(browser()->isBankMode());
    EXPECT_EQ(browser()->getOpenBankName(), "Springs");
    EXPECT_EQ(presetRows(), (Rows{"00.Init", "01.Pad", "   NEW PRESET"}));

    doubleClick(700, presetY(1));
    EXPECT_EQ(h.host.getProgram(), 1);
    EXPECT_FLOAT_EQ(h.host.getParameter(ParamId::Decay), 0.2f);
    h.host.setParameter(paramIndex(ParamId::Decay), 0.65f);

    doubleClick(700, presetY(2));
    EXPECT_EQ(h.host.getProgram(), 2);
    EXPECT_EQ(h.host.programName(), "Pad") << "named as the program last chosen";
    EXPECT_EQ(presetRows(), (Rows{"00.Init", "01.Pad", "02.Pad", "   NEW PRESET"}));
    const std::vector<unsigned char> file = readFile(folder / "Springs.vnb");
    ASSERT_EQ(file.size(), 97024u);
    EXPECT_EQ(file, bankImage()) << "the bank file holds the bank as it is now";
    float decay;
    std::memcpy(&decay, file.data() + 2 * 1500 + 4 + 4 * paramIndex(ParamId::Decay), 4);
    EXPECT_FLOAT_EQ(decay, 0.65f);
    EXPECT_EQ(nameInFile(file, 3), "-");

    // The folder entry goes back to the folder's program files.
    doubleClick(540, bankY(0));
    EXPECT_FALSE(browser()->isBankMode());
    EXPECT_EQ(presetRows(), Rows{});
}

TEST_F(EditorPresetBrowser, SavingOverAnExistingNameAsksFirst)
{
    touch("Pad.vnp", "old bytes");
    nameProgram(0, "Pad");
    showBrowser();
    clickProgramSave();
    EXPECT_EQ(browser()->getDialog(), LCD_presets::kOverwriteDialog);
    EXPECT_EQ(browser()->dialogPrompt(), "Overwrite Existing File?");
    EXPECT_EQ(readFile(folder / "Pad.vnp").size(), 9u);

    // NO: the name field, at home, takes the keyboard for another name.
    choose(LCD_presets::kNoButtonNo);
    EXPECT_EQ(browser()->getDialog(), LCD_presets::kNoDialog);
    EXPECT_EQ(field()->getViewSize(), Layout::kNameFieldHome);
    EXPECT_TRUE(field()->isEditing());
    EXPECT_STREQ(field()->getText(), "Pad");
    type(" 2");
    key(VSTGUI::VKEY_RETURN);
    EXPECT_EQ(h.host.programName(), "Pad 2");
    clickProgramSave();
    EXPECT_EQ(browser()->getDialog(), LCD_presets::kNoDialog);
    EXPECT_EQ(readFile(folder / "Pad 2.vnp"), record(0));
    EXPECT_EQ(presetRows(), (Rows{"Pad", "Pad 2"}));
    EXPECT_FALSE(browser()->isModified());

    // OK writes over the old file.
    nameProgram(0, "Pad");
    h.host.setParameter(paramIndex(ParamId::Release), 0.3f);
    clickProgramSave();
    ASSERT_EQ(browser()->getDialog(), LCD_presets::kOverwriteDialog);
    choose(LCD_presets::kOkButton);
    EXPECT_EQ(readFile(folder / "Pad.vnp"), record(0));

    // CANCEL keeps the file; a name with a '/' is saved inside the folder.
    nameProgram(0, "../AC/DC");
    clickProgramSave();
    EXPECT_EQ(readFile(folder / "-AC-DC.vnp"), record(0));
    EXPECT_FALSE(fs::exists(dir.path / "AC"));
}

TEST_F(EditorPresetBrowser, RemovingAProgramSavesTheBankAndSelectsTheNext)
{
    writeBank("Springs.vnb", {"Init", "Pad", "Bell"});
    showBrowser();
    openBank(1);
    doubleClick(700, presetY(0));
    rightClick(700, presetY(1));
    EXPECT_EQ(browser()->dialogPrompt(), "Remove Preset?");
    choose(LCD_presets::kOkButton);
    EXPECT_EQ(presetRows(), (Rows{"00.Init", "01.Bell", "   NEW PRESET"}));
    EXPECT_EQ(h.host.getProgram(), 1) << "the program that took its place";
    EXPECT_EQ(h.host.programName(), "Bell");
    EXPECT_FLOAT_EQ(h.host.getParameter(ParamId::Decay), 0.3f);
    std::vector<unsigned char> file = readFile(folder / "Springs.vnb");
    EXPECT_EQ(nameInFile(file, 1), "Bell");
    EXPECT_EQ(nameInFile(file, 2), "-");

    // The last program: the one before it is chosen.
    rightClick(700, presetY(1));
    choose(LCD_presets::kOkButton);
    EXPECT_EQ(presetRows(), (Rows{"00.Init", "   NEW PRESET"}));
    EXPECT_EQ(h.host.getProgram(), 0);
    EXPECT_EQ(nameInFile(readFile(folder / "Springs.vnb"), 1), "-");

    // CANCEL removes nothing.
    rightClick(700, presetY(0));
    choose(LCD_presets::kCancelButton);
    EXPECT_EQ(presetRows(), (Rows{"00.Init", "   NEW PRESET"}));
}

TEST_F(EditorPresetBrowser, ANewBankIsNamedInPlaceAndStaysInTheFolder)
{
    h.host.setParameter(paramIndex(ParamId::Decay), 0.3f);
    showBrowser();
    h.click(540, bankY(1)); // NEW BANK
    ASSERT_TRUE(browser()->isNamingBank());
    EXPECT_EQ(bankRows(), (Rows{"...", "BANK", "   NEW BANK"}));
    EXPECT_LT(field()->getViewSize().left, 600);
    EXPECT_TRUE(field()->isEditing());
    EXPECT_STREQ(field()->getEditText().c_str(), "BANK");
    key(VSTGUI::VKEY_BACK, 4);
    type("../Evil Bank");
    key(VSTGUI::VKEY_RETURN);
    h.repaint();

    const fs::path bank = folder / "-Evil Bank.vnb";
    ASSERT_TRUE(fs::exists(bank));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1)
        << "nothing beside the folder";
    const std::vector<unsigned char> file = readFile(bank);
    ASSERT_EQ(file.size(), 97024u);
    EXPECT_EQ(nameInFile(file, 0), "Init");
    for (int p = 1; p < 64; ++p)
        ASSERT_EQ(nameInFile(file, p), "-") << p;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data() + 96000)), bank.string());
    EXPECT_TRUE(browser()->isBankMode());
    EXPECT_EQ(browser()->getOpenBankName(), "-Evil Bank");
    EXPECT_EQ(presetRows(), (Rows{"00.Init", "   NEW PRESET"}));
    EXPECT_EQ(h.host.getProgram(), 0) << "the new bank starts at its Init";
    EXPECT_FLOAT_EQ(h.host.getParameter(ParamId::Decay), 0.9f) << "Init's sound";
    EXPECT_EQ(field()->getViewSize(), Layout::kNameFieldHome);
    EXPECT_STREQ(field()->getText(), "Init");
}

TEST_F(EditorPresetBrowser, ANamingGivenUpOrClashingWritesNothing)
{
    writeBank("Springs.vnb", {"Init", "Pad"});
    const std::vector<unsigned char> springs = readFile(folder / "Springs.vnb");
    showBrowser();

    // Escape gives the naming up.
    h.click(540, bankY(2));
    ASSERT_TRUE(browser()->isNamingBank());
    key(VSTGUI::VKEY_ESCAPE);
    h.repaint();
    EXPECT_FALSE(browser()->isNamingBank());
    EXPECT_EQ(bankRows(), (Rows{"...", "Springs", "   NEW BANK"}));
    EXPECT_EQ(field()->getViewSize(), Layout::kNameFieldHome);

    // The name of a bank that exists asks first; CANCEL keeps that bank.
    h.click(540, bankY(2));
    key(VSTGUI::VKEY_BACK, 4);
    type("Springs");
    key(VSTGUI::VKEY_RETURN);
    h.repaint();
    EXPECT_EQ(browser()->dialogPrompt(), "Overwrite Existing File?");
    choose(LCD_presets::kCancelButton);
    EXPECT_FALSE(browser()->isNamingBank());
    EXPECT_EQ(readFile(folder / "Springs.vnb"), springs);
    EXPECT_EQ(bankRows(), (Rows{"...", "Springs", "   NEW BANK"}));

    // A double click on NEW BANK (its second click ends the entry) makes nothing.
    doubleClick(540, bankY(2));
    EXPECT_FALSE(browser()->isNamingBank());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(EditorPresetBrowser, DeletionsRemoveOnlyListedFiles)
{
    writeBank("Springs.vnb", {"Init", "Pad"});
    writeBank("Winds.vnb", {"Init"});
    touch("Air.vnp");
    touch("Bell.vnp");
    showBrowser();

    rightClick(700, presetY(0));
    EXPECT_EQ(browser()->dialogPrompt(), "Delete File?");
    choose(LCD_presets::kOkButton);
    EXPECT_FALSE(fs::exists(folder / "Air.vnp"));
    EXPECT_EQ(presetRows(), Rows{"Bell"});

    // The file a row showed went meanwhile: nothing else is deleted, and
    // the lists show what is on disk.
    rightClick(700, presetY(0));
    fs::rename(folder / "Bell.vnp", folder / "Chime.vnp");
    choose(LCD_presets::kOkButton);
    EXPECT_TRUE(fs::exists(folder / "Chime.vnp"));
    EXPECT_EQ(presetRows(), Rows{"Chime"});

    // Deleting the open bank returns to folder mode.
    openBank(1);
    ASSERT_TRUE(browser()->isBankMode());
    rightClick(540, bankY(1));
    EXPECT_EQ(browser()->dialogPrompt(), "Delete Bank?");
    choose(LCD_presets::kOkButton);
    EXPECT_FALSE(fs::exists(folder / "Springs.vnb"));
    EXPECT_FALSE(browser()->isBankMode());
    EXPECT_EQ(browser()->getOpenBankName(), "...");
    EXPECT_EQ(bankRows(), (Rows{"...", "Winds", "   NEW BANK"}));
    EXPECT_TRUE(fs::exists(folder / "Winds.vnb"));
}

TEST_F(EditorPresetBrowser, ABankReplacedInMemoryIsNotWrittenOverTheOpenFile)
{
    writeBank("Springs.vnb", {"Init", "Pad"});
    const std::vector<unsigned char> springs = readFile(folder / "Springs.vnb");
    showBrowser();
    openBank(1);
    // The host restores a bank of its own (a project's) over it.
    std::vector<unsigned char> other = springs;
    std::memcpy(other.data() + 96000, "/elsewhere/other.vnb", 21);
    h.host.dispatch(effSetChunk, 0, static_cast<intptr_t>(other.size()), other.data());
    h.click(866, 20); // next program: the browser hears of a program change
    h.repaint();
    EXPECT_EQ(readFile(folder / "Springs.vnb"), springs);
    EXPECT_FALSE(browser()->isBankMode());
}

TEST_F(EditorPresetBrowser, ListsScrollByWheelDragAndBarWithinTheirEnds)
{
    for (const char* f : {"a.vnp", "b.vnp", "c.vnp"})
        touch(f);
    showBrowser();
    // A list that fits does not turn.
    h.frame()->onWheel(VSTGUI::CPoint(700, 120), VSTGUI::kMouseWheelAxisY, -1.f, 0);
    for (int i = 0; i < 20; ++i)
        h.repaint();
    EXPECT_EQ(browser()->presetList().scroll, 0);

    for (int i = 0; i < 9; ++i)
        touch((std::string("m") + char('a' + i) + ".vnp").c_str());
    h.click(520, 58);
    h.click(520, 58);
    h.repaint();
    ASSERT_EQ(browser()->presetRows(), 12);
    for (int i = 0; i < 10; ++i)
        h.frame()->onWheel(VSTGUI::CPoint(700, 120), VSTGUI::kMouseWheelAxisY, -1.f, 0);
    double lowest = 0;
    for (int i = 0; i < 100; ++i)
    {
        h.repaint();
        lowest = std::min(lowest, browser()->presetList().scroll);
    }
    EXPECT_EQ(browser()->presetList().fling, 0) << "the throw stopped";
    EXPECT_EQ(browser()->presetList().scroll, -140) << "at the last row";
    EXPECT_EQ(lowest, -140) << "never past it";
    EXPECT_EQ(browser()->presetRowText(browser()->presetList().rowAt(185)), "mi");

    // A drag downwards throws the list back to its top, and no further.
    h.move(700, 100);
    h.down(700, 100);
    for (int y = 104; y <= 160; y += 4)
        h.move(700, y, VSTGUI::kLButton);
    h.up(700, 160);
    for (int i = 0; i < 100; ++i)
        h.repaint();
    EXPECT_EQ(browser()->presetList().scroll, 0);

    // The bar's thumb dragged to the bottom shows the last rows.
    const VSTGUI::CRect thumb = browser()->presetList().thumb(12);
    h.move(937, thumb.top + 2);
    h.down(937, thumb.top + 2);
    h.move(937, thumb.top + 200, VSTGUI::kLButton);
    h.up(937, thumb.top + 200);
    EXPECT_EQ(browser()->presetList().scroll, -140);
}

TEST_F(EditorPresetBrowser, TheHandShowsOverListsAndButtons)
{
    touch("a.vnp");
    showBrowser();
    h.move(700, 110);
    EXPECT_EQ(h.frame()->getCursor(), VSTGUI::kCursorHand);
    h.move(700, 197);
    EXPECT_EQ(h.frame()->getCursor(), VSTGUI::kCursorDefault);
    h.move(899, 84); // SAVE, shown while the program has no file here
    EXPECT_EQ(h.frame()->getCursor(), VSTGUI::kCursorHand);
    h.move(300, 300);
    EXPECT_EQ(h.frame()->getCursor(), VSTGUI::kCursorDefault);

    // The hovered row lights up.
    h.repaint();
    const WindowImage plain = WindowImage::of(h.frame());
    h.move(700, 100);
    h.repaint();
    EXPECT_GT(WindowImage::of(h.frame()).differingPixels(plain), 1000);
}

TEST_F(EditorPresetBrowser, WithoutAPresetsFolderItOffersToMakeOne)
{
    folder = dir.path / "not yet";
    showBrowser();
    EXPECT_EQ(bankRows(), kEmptyBanks);
    clickProgramSave();
    EXPECT_EQ(browser()->dialogPrompt(), "Create Presets Folder?");
    choose(LCD_presets::kCancelButton);
    EXPECT_FALSE(fs::exists(folder));

    h.click(540, bankY(1));
    EXPECT_EQ(browser()->dialogPrompt(), "Create Presets Folder?");
    choose(LCD_presets::kOkButton);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(browser()->isNamingBank()) << "NEW BANK goes on";
    key(VSTGUI::VKEY_BACK, 4);
    type("Fresh");
    key(VSTGUI::VKEY_RETURN);
    EXPECT_TRUE(fs::exists(folder / "Fresh.vnb"));
}

} // namespace
