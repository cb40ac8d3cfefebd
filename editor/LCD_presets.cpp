#include "editor/LCD_presets.h"

#include "controls/ControlCursor.h"
#include "controls/ControlInk.h"
#include "controls/DrawState.h"
#include "editor/KelGui.h"
#include "editor/PresetFolder.h"
#include "editor/SafeFileName.h"
#include "plugin/Kelvane.h"
#include "plugin/ProgramRecord.h"

#include "toolkit/CDrawContext.h"
#include "toolkit/CFrame.h"
#include "toolkit/CTextEdit.h"

#include <algorithm>
#include <cstdio>

using namespace VSTGUI;

namespace {

// Window pixels.
constexpr CRect kBankRows(483, 93, 618, 193);
constexpr CRect kPresetRows(636, 93, 928, 193);
constexpr double kBankWheelReach = 152, kPresetWheelReach = 309;
constexpr double kBankBox = 132, kPresetBox = 290;
constexpr CRect kProgramSave(870, 77, 928, 90.5);
constexpr CRect kBankSave(560, 77, 618, 90.5);
constexpr CPoint kBanksTitle(488, 89);
constexpr CPoint kPresetsTitle(638, 89);
// The confirmation box and its buttons, from the control's top-left corner.
constexpr CRect kBox(140, 35, 400, 105);
constexpr double kButtonTop = 73, kButtonWidth = 70, kButtonHeight = 25;
constexpr double kOkLeft = 150, kNoLeft = 230, kCancelLeft = 310;

constexpr const char* kFolderEntry = "...";
constexpr const char* kNewPresetRow = "   NEW PRESET";
constexpr const char* kNewBankRow = "   NEW BANK";
constexpr const char* kProvisionalBank = "BANK";
constexpr const char* kEmptyProgram = "-";
constexpr size_t kMaxBankEntries = 1023; // the folder entry and the bank files

// Colours beside the ink.
constexpr CColor kHoverText(210, 165, 70, 200);
constexpr CColor kCurrentBox(255, 235, 180, 30);
constexpr CColor kBoxFill(40, 28, 14, 225);
constexpr CColor kBoxText(250, 220, 150, 230);
constexpr CColor kBoxButton(250, 210, 100, 40);
constexpr CColor kBoxButtonLit(250, 210, 100, 110);

} // namespace

LCD_presets::LCD_presets(const CRect& viewSize, KelGui& owner)
    : CControl(viewSize, &owner, Layout::kPresetBrowser), editor(owner), banks(kBankRows, kBankWheelReach, kBankBox),
      presets(kPresetRows, kPresetWheelReach, kPresetBox)
{
    banks.entries.push_back({kFolderEntry, "", ""});
    currentName = currentProgramName();
}

// --- names -----------------------------------------------------------------------

std::string LCD_presets::programName(int index) const
{
    char name[kProgramNameChars + 1] = {};
    if (!editor.getProgramNameIndexed(0, index, name))
        return {};
    return name;
}

std::string LCD_presets::currentProgramName() const { return programName(editor.getProgram()); }

int LCD_presets::presetRows() const
{
    // A full bank takes no new program: its NEW PRESET row goes.
    const int count = presetCount();
    return isBankMode() && count < kNumPrograms ? count + 1 : count;
}

std::string LCD_presets::presetRowText(int row) const
{
    if (row < 0 || row >= presetRows())
        return {};
    if (!isBankMode())
        return presets.entries[row].name;
    if (row == presetCount())
        return kNewPresetRow;
    char text[kProgramNameChars + 8];
    std::snprintf(text, sizeof text, "%02d.%s", row, programName(row).c_str());
    return text;
}

std::string LCD_presets::bankRowText(int row) const
{
    if (row < 0 || row >= bankRows())
        return {};
    return row == bankCount() ? kNewBankRow : banks.entries[row].name;
}

std::string LCD_presets::dialogPrompt() const
{
    switch (dialog)
    {
    case kOverwriteDialog: return "Overwrite Existing File?";
    case kDeleteDialog:
        if (pendingBank >= 0)
            return "Delete Bank?";
        return isBankMode() ? "Remove Preset?" : "Delete File?";
    case kCreateFolderDialog: return "Create Presets Folder?";
    case kNoticeDialog: return notice;
    default: return {};
    }
}

// --- from the editor ---------------------------------------------------------------

void LCD_presets::markModified(bool state)
{
    if (modified)
        return;
    modified = state;
    invalid();
}

void LCD_presets::programChanged()
{
    currentName = currentProgramName();
    refreshWanted = true;
    currentRow = editor.getProgram();
    if (isBankMode())
        saveOpenBank();
    invalid();
}

void LCD_presets::wantListRefresh()
{
    refreshWanted = true;
    setDirty();
}

void LCD_presets::refreshLists()
{
    refreshWanted = false;
    folder = editor.getPresetsFolder();
    fileNames = listFolder(folder);
    const std::string current = currentProgramName();

    presets.entries.clear();
    bool folderHoldsCurrent = false;
    for (const std::string& file : fileNames)
    {
        // Folder mode lists program files only; a bank's rows come from the
        // bank alone, so no row without a file can be loaded from a path.
        if (!isBankMode() && hasExtension(file, ".vnp") && file.size() > 4 &&
            presets.entries.size() < BrowserList::kMaxEntries)
        {
            presets.entries.push_back({file.substr(0, file.size() - 4), file, joinPath(folder, file)});
            folderHoldsCurrent = folderHoldsCurrent || presets.entries.back().name == current;
        }
    }
    rebuildBanks();

    if (isBankMode())
    {
        for (int p = 0; p < kNumPrograms; ++p)
        {
            std::string name = programName(p);
            if (name == kEmptyProgram)
                break;
            presets.entries.push_back({std::move(name), "", ""});
        }
        // The current program's row, while the program heard is that one
        // (a bank just opened has none chosen yet).
        const int program = editor.getProgram();
        currentRow = program < presetCount() && programName(program) == currentName ? program : -1;
        if (currentRow < 0)
            presets.scroll = 0;
    }
    else if (!folderHoldsCurrent)
    {
        modified = true; // the folder has no file of this program yet
    }
    presets.clampScroll(presetRows());
    banks.clampScroll(bankRows());
}

// The bank entries from the last listing; the open bank and a bank being
// named keep their places.
void LCD_presets::rebuildBanks()
{
    banks.entries.assign(1, {kFolderEntry, "", ""});
    for (const std::string& file : fileNames)
        if (hasExtension(file, ".vnb") && file.size() > 4 && banks.entries.size() < kMaxBankEntries)
            banks.entries.push_back({file.substr(0, file.size() - 4), file, joinPath(folder, file)});
    if (isBankMode())
    {
        openBank = findBank(openBankFile);
        if (openBank <= 0)
        {
            // The file went (deleted beside the instrument).
            openBank = 0;
            openBankName = kFolderEntry;
            openBankFile.clear();
        }
    }
    if (namingBank)
    {
        banks.entries.push_back({typedBankName.empty() ? kProvisionalBank : typedBankName, "", ""});
        namingRow = bankCount() - 1;
    }
}

int LCD_presets::findBank(const std::string& file) const
{
    for (int i = 1; i < bankCount(); ++i)
        if (!file.empty() && banks.entries[i].file == file)
            return i;
    return -1;
}

bool LCD_presets::listed(const std::string& file)
{
    // Asked of the folder as it is now: a file made beside the instrument
    // since the last listing counts too.
    fileNames = listFolder(folder);
    return std::find(fileNames.begin(), fileNames.end(), file) != fileNames.end();
}

void LCD_presets::saveOpenBank()
{
    modified = false;
    refreshWanted = true;
    const bool creating = namingBank;
    if (!creating && (!isBankMode() || !bankStillOpen()))
    {
        // Never another bank over the open bank's file: the host or the
        // bank dialog replaced the bank in memory.
        returnToFolderMode();
        return;
    }
    const std::string path = joinPath(folder, openBankFile);
    if (creating)
    {
        namingBank = false;
        namingFieldPlaced = false;
        namingRow = -1;
        typedBankName.clear();
        editor.initBank();
        // A new bank starts at its "Init": the plug-in leaves its last,
        // empty program current, which the next change would write into.
        editor.setProgram(0);
        currentName = currentProgramName();
        currentRow = 0;
    }
    editor.saveBankFile(path.c_str());
    fileNames = listFolder(folder);
    rebuildBanks();
    if (openBank > 0)
        banks.showRow(openBank, bankRows());
    invalid();
}

bool LCD_presets::bankStillOpen() const
{
    char path[kPathFieldBytes + 1] = {};
    if (!editor.getBankPath(path))
        return false;
    return std::string(path) == joinPath(folder, openBankFile).substr(0, kPathFieldBytes - 1);
}

void LCD_presets::nameBankEntry(const char* text)
{
    if (!namingBank || namingRow < 0)
        return;
    const std::string name = safeFileName(text ? text : "");
    namingFieldPlaced = false; // the field goes home after this commit
    typedBankName = name;
    banks.entries[namingRow].name = name;
    openBankName = name;
    invalid();
    if (listed(name + ".vnb"))
    {
        // A new, empty bank never silently replaces a bank file.
        pending = Pending::kNameBank;
        openDialog(kOverwriteDialog);
        return;
    }
    createNewBank();
}

void LCD_presets::createNewBank()
{
    openBank = namingRow;
    openBankName = banks.entries[namingRow].name;
    openBankFile = openBankName + ".vnb";
    presets.stop();
    saveOpenBank();
}

void LCD_presets::endRenameMode()
{
    // A naming still waiting here got no name (an overwrite box may still
    // be asking about the one it got).
    if (namingBank && dialog != kOverwriteDialog)
        cancelNaming();
}

void LCD_presets::idle()
{
    // Escape, or Return on the proposed name, ends the entry without a
    // commit: the naming is given up.
    CTextEdit* field = editor.getNameField();
    if (namingBank && namingFieldPlaced && dialog == kNoDialog && field && !field->isEditing())
        cancelNaming();
}

// --- drawing ---------------------------------------------------------------------

void LCD_presets::updateHover()
{
    hoveredPreset = hoveredBank = -1;
    if (!mouseInside)
        return;
    if (presets.contains(lastMouse))
        hoveredPreset = presets.rowAt(lastMouse.y);
    else if (banks.contains(lastMouse))
        hoveredBank = banks.rowAt(lastMouse.y);
}

void LCD_presets::draw(CDrawContext* context)
{
    setControlDrawState(context);
    context->setFillColor(inkColor(30));
    context->drawRect(CRect(size.left + 1, size.top + 1, size.right - 1, size.bottom - 107), kDrawFilled);
    SharedPointer<CFontDesc> font = arialFont(14);
    context->setFont(font);
    context->setFontColor(inkColor(200));
    context->drawString("BANKS", kBanksTitle);
    context->drawString("PRESETS", kPresetsTitle);

    if (refreshWanted)
        refreshLists();
    if (modified)
    {
        const CRect& button = isBankMode() ? kBankSave : kProgramSave;
        drawSaveButton(context, button, dialog == kNoDialog && mouseInside && button.pointInside(lastMouse));
    }
    updateHover();
    bool moving = presets.stepFling(presetRows());
    moving = banks.stepFling(bankRows()) || moving;

    drawRows(context, presets, presetRows(), hoveredPreset, true);
    drawBar(context, presets, presetRows(), 0);
    drawRows(context, banks, bankRows(), hoveredBank, false);
    drawBar(context, banks, bankRows(), 0.5);
    if (dialog != kNoDialog)
        drawDialog(context);
    // A thrown list is drawn again at the next idle until it stops.
    setDirty(moving);
}

void LCD_presets::drawSaveButton(CDrawContext* context, const CRect& r, bool lit)
{
    context->setFillColor(inkColor(lit ? 120 : 45));
    context->drawRect(r, kDrawFilled);
    context->setFontColor(lit ? kHoverText : inkColor(200));
    context->drawString("SAVE", r);
}

void LCD_presets::drawRows(CDrawContext* context, const BrowserList& list, int rows, int hovered, bool preset)
{
    CRect saved;
    context->getClipRect(saved);
    CRect clip(list.area());
    clip.bound(saved);
    if (clip.isEmpty())
        return;
    context->setClipRect(clip);
    const double textLeft = list.area().left + 3;
    const int first = std::max(0, list.rowAt(list.area().top) - 1);
    const int last = std::min(rows - 1, list.rowAt(list.area().bottom) + 1);
    for (int row = first; row <= last; ++row)
    {
        const std::string text = preset ? presetRowText(row) : bankRowText(row);
        const CRect box = list.rowBox(row);
        bool lightText = false;
        if (preset)
        {
            const bool current =
                isBankMode() ? row == currentRow : (row < presetCount() && presets.entries[row].name == currentName);
            if (current)
            {
                context->setFillColor(kCurrentBox);
                context->drawRect(box, kDrawFilled);
            }
        }
        else if (row == openBank)
        {
            context->setFillColor(inkColor(160));
            context->drawRect(box, kDrawFilled);
            lightText = true;
        }
        const bool marked = dialog == kDeleteDialog && row == (preset ? pendingPreset : pendingBank);
        if ((row == hovered && dialog == kNoDialog) || marked)
        {
            context->setFillColor(inkColor(100));
            context->drawRect(box, kDrawFilled);
            lightText = true;
        }
        // The name field shows the name being typed over its row.
        if (!preset && namingFieldPlaced && row == namingRow)
            continue;
        context->setFontColor(lightText ? kHoverText : inkColor(160));
        context->drawString(text.c_str(), CPoint(textLeft, list.baseline(row)));
    }
    context->setClipRect(saved);
}

void LCD_presets::drawBar(CDrawContext* context, const BrowserList& list, int rows, double lift)
{
    context->setFillColor(inkColor(25));
    context->drawRect(list.bar(), kDrawFilled);
    CRect thumb = list.thumb(rows);
    thumb.offset(0, -lift);
    const bool held = &list == &presets ? presetBarDrag : bankBarDrag;
    context->setFillColor(inkColor(held ? 160 : 100));
    context->drawRect(thumb, kDrawFilled);
}

CRect LCD_presets::dialogButton(Button button) const
{
    double left = 0;
    switch (button)
    {
    case kOkButton: left = kOkLeft; break;
    case kNoButtonNo:
        if (dialog != kOverwriteDialog)
            return CRect();
        left = kNoLeft;
        break;
    case kCancelButton:
        if (dialog == kNoticeDialog)
            return CRect();
        left = kCancelLeft;
        break;
    default: return CRect();
    }
    const double x = size.left + left, y = size.top + kButtonTop;
    return CRect(x, y, x + kButtonWidth, y + kButtonHeight);
}

LCD_presets::Button LCD_presets::buttonAt(const CPoint& where) const
{
    for (Button b : {kOkButton, kNoButtonNo, kCancelButton})
        if (dialogButton(b).pointInside(where))
            return b;
    return kNoButton;
}

void LCD_presets::drawDialog(CDrawContext* context)
{
    CRect box(kBox);
    box.offset(size.left, size.top);
    context->setFillColor(kBoxFill);
    context->drawRect(box, kDrawFilled);
    context->setFrameColor(kBoxButtonLit);
    context->drawRect(box, kDrawStroked);
    SharedPointer<CFontDesc> font = arialFont(15);
    context->setFont(font, 15, kBoldFace);
    context->setFontColor(kBoxText);
    const std::string prompt = dialogPrompt();
    context->drawString(prompt.c_str(), CRect(box.left, box.top + 6, box.right, box.top + 32));
    context->setFont(font, 14, kNormalFace);
    const Button lit = mouseInside ? buttonAt(lastMouse) : kNoButton;
    const std::pair<Button, const char*> labels[] = {{kOkButton, "OK"}, {kNoButtonNo, "NO"}, {kCancelButton, "CANCEL"}};
    for (const auto& [button, label] : labels)
    {
        const CRect r = dialogButton(button);
        if (r.isEmpty())
            continue;
        context->setFillColor(button == lit ? kBoxButtonLit : kBoxButton);
        context->drawRect(r, kDrawFilled);
        context->setFontColor(kBoxText);
        context->drawString(label, r);
    }
}

// --- mouse -------------------------------------------------------------------------

CMouseEventResult LCD_presets::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    lastMouse = where;
    mouseInside = true;
    // A click while a bank is being named only ends the naming (a typed name
    // was committed by the frame before this click arrived).
    if (namingBank && dialog == kNoDialog)
    {
        cancelNaming();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    if (drag != kNoDrag || presetBarDrag || bankBarDrag)
        return kMouseEventHandled;
    if (dialog != kNoDialog && dialogClick(where, buttons))
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;

    if (buttons.isLeftButton() && presets.barContains(where))
    {
        presetBarDrag = true;
        dragStartY = where.y;
        dragStartScroll = presets.scroll;
        presets.fling = 0;
    }
    else if (buttons.isLeftButton() && banks.barContains(where))
    {
        bankBarDrag = true;
        dragStartY = where.y;
        dragStartScroll = banks.scroll;
        banks.fling = 0;
    }
    else if (presets.contains(where))
        presetListClick(presets.rowAt(where.y), buttons);
    else if (banks.contains(where))
        bankListClick(banks.rowAt(where.y), buttons);
    else if (buttons.isLeftButton() && kProgramSave.pointInside(where))
        saveProgramFile(false);
    else if (buttons.isLeftButton() && kBankSave.pointInside(where) && isBankMode())
        saveOpenBank();
    lastDragY = where.y;
    invalid();
    return kMouseEventHandled;
}

// True when the click was the box's own (a button).
bool LCD_presets::dialogClick(const CPoint& where, const CButtonState& buttons)
{
    const Button button = buttons.isLeftButton() ? buttonAt(where) : kNoButton;
    const Dialog was = dialog;
    const Pending then = pending;
    if (was == kDeleteDialog)
    {
        if (button == kOkButton)
            deletePending();
        else if (button == kCancelButton)
            clearPending();
        else
            return false; // the box stays; the click is handled as usual
        dialog = kNoDialog;
        refreshWanted = true;
        return true;
    }

    dialog = kNoDialog;
    pending = Pending::kNothing;
    invalid();
    switch (was)
    {
    case kOverwriteDialog:
        if (then == Pending::kSaveProgram)
        {
            if (button == kOkButton)
                saveProgramFile(true);
            else if (button == kNoButtonNo)
                editor.startRename(Layout::kNameFieldHome, currentName.c_str()); // another name, please
        }
        else if (then == Pending::kNameBank)
        {
            if (button == kOkButton)
                createNewBank();
            else if (button == kNoButtonNo)
                startNamingField(typedBankName);
            else
                cancelNaming();
        }
        break;
    case kCreateFolderDialog:
        if (button == kOkButton)
        {
            if (!editor.createPresetsFolder())
            {
                notice = "Cannot Create Folder";
                openDialog(kNoticeDialog);
                return true;
            }
            refreshLists();
            if (then == Pending::kNewBank)
                startNewBank();
            else if (then == Pending::kSaveProgram)
                saveProgramFile(false);
        }
        break;
    default: break;
    }
    // Elsewhere, the box is dropped and the click goes on as usual.
    return button != kNoButton;
}

void LCD_presets::presetListClick(int row, const CButtonState& buttons)
{
    if (buttons.isRightButton())
    {
        if (row >= 0 && row < presetCount())
        {
            clearPending();
            pendingPreset = row;
            pendingInBank = isBankMode();
            pendingFile = presets.entries[row].file;
            openDialog(kDeleteDialog);
        }
        return;
    }
    if (!buttons.isLeftButton())
        return;
    drag = kPresetDrag;
    presets.fling = 0;
    if (!buttons.isDoubleClick() || row < 0)
        return;
    if (!isBankMode())
    {
        if (row < presetCount())
            loadProgramRow(row);
    }
    else if (row == presetCount() && row < kNumPrograms)
        storeNewProgram();
    else if (row < presetCount())
        selectProgramRow(row);
}

void LCD_presets::bankListClick(int row, const CButtonState& buttons)
{
    if (buttons.isRightButton())
    {
        if (row >= 1 && row < bankCount())
        {
            clearPending();
            pendingBank = row;
            pendingFile = banks.entries[row].file;
            openDialog(kDeleteDialog);
        }
        return;
    }
    if (!buttons.isLeftButton())
        return;
    drag = kBankDrag;
    banks.fling = 0;
    if (row == bankCount())
    {
        if (!needFolder(Pending::kNewBank))
            startNewBank();
        return;
    }
    if (!buttons.isDoubleClick() || row < 0 || row >= bankCount())
        return;
    if (row == 0)
        returnToFolderMode();
    else
        openBankRow(row);
}

CMouseEventResult LCD_presets::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    drag = kNoDrag;
    presetBarDrag = bankBarDrag = false;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult LCD_presets::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    const double dy = where.y - lastDragY;
    lastDragY = where.y;
    lastMouse = where;
    mouseInside = true;
    if (presetBarDrag)
    {
        presets.scroll = dragStartScroll + (dragStartY - where.y) / presets.thumbScale(presetRows());
        presets.clampScroll(presetRows());
    }
    else if (bankBarDrag)
    {
        banks.scroll = dragStartScroll + (dragStartY - where.y) / banks.thumbScale(bankRows());
        banks.clampScroll(bankRows());
    }
    else if (drag == kPresetDrag)
        presets.fling += 0.5 * dy; // a drag throws the list
    else if (drag == kBankDrag)
        banks.fling += 0.5 * dy;
    setCursorFor(where);
    invalid();
    return kMouseEventHandled;
}

void LCD_presets::setCursorFor(const CPoint& where)
{
    bool hand;
    if (dialog != kNoDialog)
        hand = buttonAt(where) != kNoButton;
    else
        hand = presets.contains(where) || banks.contains(where) || presets.barContains(where) ||
               banks.barContains(where) || (modified && (isBankMode() ? kBankSave : kProgramSave).pointInside(where));
    setFrameCursor(*this, hand ? kCursorHand : kCursorDefault);
}

CMouseEventResult LCD_presets::onMouseEntered(CPoint& where, const CButtonState& buttons)
{
    mouseInside = true;
    lastMouse = where;
    if (namingBank && dialog == kNoDialog)
        cancelNaming(); // the pointer left while the bank was being named
    else
        editor.endRename();
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult LCD_presets::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    mouseInside = false;
    hoveredPreset = hoveredBank = -1;
    setFrameCursor(*this, kCursorDefault);
    invalid();
    return kMouseEventHandled;
}

bool LCD_presets::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    // Only a list longer than its window turns; a short one stays at its top.
    if (presets.wheelReaches(where))
    {
        if (presetRows() > BrowserList::kVisibleRows)
            presets.fling += 3.0 * distance;
        else
            presets.stop();
    }
    else if (banks.wheelReaches(where))
    {
        if (bankRows() > BrowserList::kVisibleRows)
            banks.fling += 3.0 * distance;
        else
            banks.stop();
    }
    invalid();
    return true;
}

// --- what clicks do ----------------------------------------------------------------

void LCD_presets::openDialog(Dialog d)
{
    dialog = d;
    invalid();
}

void LCD_presets::clearPending()
{
    pendingPreset = pendingBank = -1;
    pendingFile.clear();
}

void LCD_presets::deletePending()
{
    if (pendingBank >= 0)
    {
        const bool wasOpen = isBankMode() && pendingFile == openBankFile;
        // Only a file the folder lists now, never a path made of typed text.
        if (removeListedFile(folder, pendingFile) && wasOpen)
            returnToFolderMode();
    }
    else if (pendingPreset >= 0 && pendingInBank != isBankMode())
    {
        // The lists changed mode under the box: the row asked about is gone.
    }
    else if (pendingPreset >= 0 && !isBankMode())
    {
        removeListedFile(folder, pendingFile);
    }
    else if (pendingPreset >= 0 && pendingPreset < presetCount())
    {
        if (!bankStillOpen())
        {
            returnToFolderMode();
        }
        else
        {
            const int row = pendingPreset;
            editor.removeProgram(row);
            saveOpenBank();
            int remaining = 0;
            while (remaining < kNumPrograms && programName(remaining) != kEmptyProgram)
                ++remaining;
            const int select = row < remaining ? row : row - 1;
            if (select >= 0)
            {
                editor.setProgram(select);
                currentName = programName(select);
                currentRow = select;
            }
        }
    }
    clearPending();
    refreshWanted = true;
}

void LCD_presets::loadProgramRow(int row)
{
    const int program = editor.getProgram();
    editor.loadProgramFile(program, presets.entries[row].path.c_str());
    editor.setProgram(program);
    currentName = currentProgramName();
    modified = false;
}

void LCD_presets::selectProgramRow(int row)
{
    editor.setProgram(row);
    currentName = programName(row);
    currentRow = row;
    modified = false;
}

void LCD_presets::storeNewProgram()
{
    if (!bankStillOpen())
    {
        returnToFolderMode();
        return;
    }
    const int slot = presetCount();
    if (currentRow >= 0)
        currentName = programName(currentRow);
    editor.storeProgram(slot);
    editor.setProgram(slot);
    // A program stored under the empty name "-" would end the bank's list
    // and hide itself.
    if (programName(slot) == kEmptyProgram || programName(slot).empty())
    {
        char name[] = "Untitled";
        editor.getPlugin().setProgramName(name);
    }
    currentRow = slot;
    currentName = programName(slot);
    saveOpenBank();
}

void LCD_presets::openBankRow(int row)
{
    const BrowserEntry entry = banks.entries[row];
    editor.loadBankFile(entry.path.c_str());
    // The bank in memory now names the file it came from; while it does,
    // saving the open bank writes there.
    editor.setBankPath(entry.path.c_str());
    openBank = row;
    openBankName = entry.name;
    openBankFile = entry.file;
    presets.stop();
    refreshWanted = true;
}

void LCD_presets::returnToFolderMode()
{
    openBank = 0;
    openBankName = kFolderEntry;
    openBankFile.clear();
    presets.stop();
    refreshWanted = true;
    invalid();
}

bool LCD_presets::needFolder(Pending then)
{
    if (editor.hasPresetsFolder())
        return false;
    pending = then;
    openDialog(kCreateFolderDialog);
    return true;
}

void LCD_presets::saveProgramFile(bool overwrite)
{
    if (needFolder(Pending::kSaveProgram))
        return;
    currentName = currentProgramName();
    const std::string file = safeFileName(currentName) + ".vnp";
    if (!overwrite && listed(file))
    {
        pending = Pending::kSaveProgram;
        openDialog(kOverwriteDialog);
        return;
    }
    const std::string path = joinPath(folder, file);
    editor.saveProgramFile(editor.getProgram(), path.c_str());
    modified = false;
    refreshLists();
    if (!isBankMode())
    {
        for (int row = 0; row < presetCount(); ++row)
            if (presets.entries[row].file == file)
                presets.showRow(row, presetRows() + 1);
    }
    invalid();
}

void LCD_presets::startNewBank()
{
    if (banks.entries.size() >= BrowserList::kMaxEntries)
        return;
    // A deletion still asked about is dropped: the box would sit over the
    // naming.
    dialog = kNoDialog;
    clearPending();
    namingBank = true;
    typedBankName.clear();
    banks.entries.push_back({kProvisionalBank, "", ""});
    namingRow = bankCount() - 1;
    currentRow = 0;
    editor.setProgram(0);
    banks.showRow(namingRow, bankRows());
    startNamingField(kProvisionalBank);
}

void LCD_presets::startNamingField(const std::string& text)
{
    namingBank = true;
    const CRect box = banks.rowBox(namingRow);
    editor.startRename(CRect(banks.area().left, box.top - 1, banks.area().right, box.bottom + 2), text.c_str());
    namingFieldPlaced = true;
    invalid();
}

void LCD_presets::cancelNaming()
{
    namingBank = false;
    namingFieldPlaced = false;
    namingRow = -1;
    typedBankName.clear();
    openBankName = isBankMode() ? banks.entries[std::min(openBank, bankCount() - 1)].name : kFolderEntry;
    editor.cancelRename();
    refreshWanted = true;
    invalid();
}
