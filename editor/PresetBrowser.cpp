// The editor's one way into the preset browser and the template menu: calls
// reach the browser of the open window (none while the editor is closed),
// and the template menu's choices run the template commands.
#include "editor/LCD_presets.h"
#include "editor/PresetBrowserPort.h"
#include "editor/TemplateCommands.h"

namespace {

class PresetBrowser : public PresetBrowserPort
{
public:
    explicit PresetBrowser(KelGui& owner) : editor(owner) {}

    VSTGUI::CView* createView(const VSTGUI::CRect& size) override
    {
        // Each window starts in folder mode with empty lists.
        view = new LCD_presets(size, editor);
        return view;
    }
    void viewClosed() override { view = nullptr; }
    void markModified(bool modified) override
    {
        if (view)
            view->markModified(modified);
    }
    void programChanged() override
    {
        if (view)
            view->programChanged();
    }
    void wantListRefresh() override
    {
        if (view)
            view->wantListRefresh();
    }
    bool isListEmpty() const override { return !view || (view->presetRows() == 0 && view->bankRows() <= 2); }
    void nameBankEntry(const char* text) override
    {
        if (view)
            view->nameBankEntry(text);
    }
    void endRenameMode() override
    {
        if (view)
            view->endRenameMode();
    }
    void idle() override
    {
        if (view)
            view->idle();
    }
    void runTemplateCommand(int row, bool pitchBendMode) override { ::runTemplateCommand(editor, row, pitchBendMode); }

private:
    KelGui& editor;
    LCD_presets* view = nullptr;
};

} // namespace

std::unique_ptr<PresetBrowserPort> createPresetBrowserPort(KelGui& editor)
{
    return std::make_unique<PresetBrowser>(editor);
}
