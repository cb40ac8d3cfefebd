// Until the preset browser and the templates are built: an empty browser
// area on the PRESETS page, and a template menu that does nothing.
#include "editor/PresetBrowserPort.h"

namespace {

class PresetBrowserPlaceholder : public PresetBrowserPort
{
public:
    VSTGUI::CView* createView(const VSTGUI::CRect& size) override { return new VSTGUI::CView(size); }
    void viewClosed() override {}
    void markModified(bool) override {}
    void programChanged() override {}
    void wantListRefresh() override {}
    bool isListEmpty() const override { return true; }
    void nameBankEntry(const char*) override {}
    void endRenameMode() override {}
    void runTemplateCommand(int, bool) override {}
};

} // namespace

std::unique_ptr<PresetBrowserPort> createPresetBrowserPort(KelGui&)
{
    return std::make_unique<PresetBrowserPlaceholder>();
}
