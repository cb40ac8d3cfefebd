#pragma once
// The preset browser of the PRESETS page: BANKS (the bank files of the
// presets folder, after the folder entry "...") beside PRESETS (the program
// files of the folder in folder mode, or the programs of the open bank in
// bank mode). With the mouse a musician opens banks, loads programs, stores
// the sound as a new program of the open bank, saves program and bank files,
// creates a bank named in place and deletes files or programs, each deletion
// and overwrite behind a confirmation box drawn over the lists.
//
// It works only through the editor's services (which forward to the
// plug-in) and the presets folder. Everything runs on the GUI thread.

#include "editor/BrowserList.h"

#include "toolkit/CControl.h"

#include <string>
#include <vector>

class KelGui;

class LCD_presets : public VSTGUI::CControl
{
public:
    enum Dialog
    {
        kNoDialog = 0,
        kOverwriteDialog = 1,
        kDeleteDialog = 2,
        kCreateFolderDialog = 3, // no presets folder yet: make one?
        kNoticeDialog = 4, // a message with "OK" alone
    };
    enum Button
    {
        kNoButton,
        kOkButton,
        kNoButtonNo,
        kCancelButton
    };

    LCD_presets(const VSTGUI::CRect& size, KelGui& editor);

    VSTGUI::CView* newCopy() const override { return new LCD_presets(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;
    bool onWheel(const VSTGUI::CPoint& where, const float& distance, const VSTGUI::CButtonState& buttons) override;

    // From the editor. A parameter changed (true) or a program was loaded
    // (false); a set mark stays set.
    void markModified(bool state);
    // The current program changed: its name and row follow, and an open
    // bank is saved.
    void programChanged();
    // Lists the folder again and rebuilds both lists.
    virtual void refreshLists();
    // Saves the bank in memory as the open bank's file.
    virtual void saveOpenBank();
    void wantListRefresh();
    // The name field, placed over the bank list, committed a name.
    void nameBankEntry(const char* text);
    // The name field went home: renaming is over.
    void endRenameMode();
    // Each idle: notices a bank naming that ended without a name.
    void idle();

    // What shows, as the last draw left it.
    int bankRows() const { return static_cast<int>(banks.entries.size()) + 1; }
    int presetRows() const;
    std::string bankRowText(int row) const;
    std::string presetRowText(int row) const;
    bool isBankMode() const { return openBank > 0; }
    const std::string& getOpenBankName() const { return openBankName; }
    bool isModified() const { return modified; }
    bool isNamingBank() const { return namingBank; }
    int getCurrentRow() const { return currentRow; }
    Dialog getDialog() const { return dialog; }
    std::string dialogPrompt() const;
    const BrowserList& bankList() const { return banks; }
    const BrowserList& presetList() const { return presets; }
    // Where a button of the confirmation box lies (window pixels).
    VSTGUI::CRect dialogButton(Button button) const;

private:
    enum Drag
    {
        kNoDrag = 0,
        kPresetDrag = 1,
        kBankDrag = 2
    };
    // What an overwrite box or a new presets folder lets go on.
    enum class Pending
    {
        kNothing,
        kSaveProgram,
        kNewBank,
        kNameBank
    };

    int presetCount() const { return static_cast<int>(presets.entries.size()); }
    int bankCount() const { return static_cast<int>(banks.entries.size()); }
    std::string programName(int index) const;
    std::string currentProgramName() const;

    // Drawing
    void drawSaveButton(VSTGUI::CDrawContext* context, const VSTGUI::CRect& r, bool lit);
    void drawRows(VSTGUI::CDrawContext* context, const BrowserList& list, int rows, int hovered, bool preset);
    void drawBar(VSTGUI::CDrawContext* context, const BrowserList& list, int rows, double lift);
    void drawDialog(VSTGUI::CDrawContext* context);
    void updateHover();

    // Clicks
    bool dialogClick(const VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons);
    void presetListClick(int row, const VSTGUI::CButtonState& buttons);
    void bankListClick(int row, const VSTGUI::CButtonState& buttons);
    Button buttonAt(const VSTGUI::CPoint& where) const;
    void deletePending();
    void clearPending();
    void setCursorFor(const VSTGUI::CPoint& where);

    // Programs, banks and files
    void loadProgramRow(int row);
    void selectProgramRow(int row);
    void storeNewProgram();
    void openBankRow(int row);
    void returnToFolderMode();
    void saveProgramFile(bool overwrite);
    void startNewBank();
    void createNewBank();
    void cancelNaming();
    void startNamingField(const std::string& text);
    // True while the bank in memory is still the one opened here (the host
    // or the bank dialog may have replaced it).
    bool bankStillOpen() const;
    void rebuildBanks();
    int findBank(const std::string& file) const;
    bool listed(const std::string& file);
    // Without a presets folder: asks to make one, then goes on with what.
    bool needFolder(Pending then);
    void openDialog(Dialog d);

    KelGui& editor;
    BrowserList banks;
    BrowserList presets;

    std::string folder; // the presets folder as last listed
    std::vector<std::string> fileNames; // its last listing
    int openBank = 0; // 0: folder mode
    std::string openBankName = "...";
    std::string openBankFile; // the open bank's file name
    std::string currentName;
    int currentRow = -1;
    int hoveredPreset = -1, hoveredBank = -1;
    int pendingPreset = -1, pendingBank = -1;
    std::string pendingFile; // the listed file a deletion removes
    bool pendingInBank = false; // the pending program row is one of a bank
    Dialog dialog = kNoDialog;
    Pending pending = Pending::kNothing; // what the open box goes on with
    std::string notice;
    std::string typedBankName; // the name an overwrite box asks about
    bool modified = false;
    bool refreshWanted = true;
    bool namingBank = false;
    int namingRow = -1;
    bool namingFieldPlaced = false; // the name field has been given the row
    Drag drag = kNoDrag;
    bool presetBarDrag = false, bankBarDrag = false;
    double dragStartY = 0, dragStartScroll = 0, lastDragY = 0;
    VSTGUI::CPoint lastMouse{-1000, -1000};
    bool mouseInside = false;
};
