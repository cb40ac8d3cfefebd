// The program and bank file dialogs of the save and load buttons (1 the
// program, 2 the bank). Failures end the command quietly: a cancelled
// dialog, a file of the wrong type, a selector that cannot be made.
#include "controls/Trigger.h"
#include "editor/KelGui.h"
#include "plugin/Kelvane.h"

#include "toolkit/CFileExtension.h"
#include "toolkit/CNewFileSelector.h"
#include "toolkit/SharedPointer.h"

#include <cstring>
#include <string>

using namespace VSTGUI;

namespace {

// Folders are cut at the platform's separator, '/' on Linux (a backslash
// on Windows).
constexpr char kSeparator = '/';

// A POSIX path split as the Windows runtime's _splitpath splits one: the
// file name without folder and extension, and the extension with its dot
// (from the last dot of the file name).
std::string nameOf(const std::string& path)
{
    const size_t slash = path.rfind(kSeparator);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string extensionOf(const std::string& path)
{
    const size_t slash = path.rfind(kSeparator);
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return path.substr(dot);
}

// The chosen path, or empty when the dialog was cancelled.
std::string chosenPath(CNewFileSelector& selector)
{
    const char* path = selector.getNumSelectedFiles() > 0 ? selector.getSelectedFile(0) : nullptr;
    return path ? path : "";
}

// Start folders: the path cut to 512 characters, then at its last '/'.
void folderOf(const char* path, char* folderText)
{
    std::string folder(path, strnlen(path, KelGui::kFolderChars));
    const size_t slash = folder.rfind(kSeparator);
    if (slash != std::string::npos)
        folder.resize(slash);
    std::memcpy(folderText, folder.c_str(), folder.size() + 1);
}

} // namespace

void KelGui::setLastFolderFrom(const char* path) { folderOf(path, lastFolder); }

void KelGui::setTemplateFolderFrom(const char* path) { folderOf(path, templateFolder); }

void KelGui::setBankPath(const char* path) { plugin.setBankPath(path); }

void KelGui::runSaveDialog(float choice)
{
    if (choice != 1.f && choice != 2.f)
        return;
    auto selector = owned(CNewFileSelector::create(frame, CNewFileSelector::kSelectSaveFile));
    if (!selector)
        return;
    char name[kProgramNameChars + 1] = {};
    plugin.getProgramNameIndexed(0, plugin.getProgram(), name);
    selector->setInitialDirectory(lastFolder);
    selector->setDefaultSaveName(name);
    if (choice == 1.f)
    {
        selector->setDefaultExtension(CFileExtension("Vant Program", "vnp"));
        selector->addFileExtension(CFileExtension("Other Files", "*"));
        selector->setTitle("Save A Program File");
        selector->run(nullptr);
        std::string path = chosenPath(*selector);
        if (!path.empty())
        {
            // The file's name becomes the program's (the plug-in keeps 24 characters).
            std::string programName = nameOf(path).substr(0, kProgramNameChars);
            plugin.setProgramName(programName.data());
            if (path.find(".vnp") == std::string::npos)
                path += ".vnp";
            plugin.saveProgramFile(plugin.getProgram(), path.c_str());
            setLastFolderFrom(path.c_str());
        }
    }
    else
    {
        selector->setDefaultExtension(CFileExtension("Vant Banks", "vnb"));
        selector->addFileExtension(CFileExtension("Other Files", "*"));
        selector->setTitle("Save A Bank File");
        selector->run(nullptr);
        std::string path = chosenPath(*selector);
        if (!path.empty())
        {
            if (path.find(".vnb") == std::string::npos)
                path += ".vnb";
            // The save names the bank (its last 1,024 bytes) after the file.
            plugin.saveBankFile(path.c_str());
        }
    }
    selector = nullptr;
    if (saveButton)
        saveButton->takeFocus();
}

void KelGui::runLoadDialog(float choice)
{
    if (choice != 1.f && choice != 2.f)
        return;
    auto selector = owned(CNewFileSelector::create(frame, CNewFileSelector::kSelectFile));
    if (!selector)
        return;
    selector->setInitialDirectory(lastFolder);
    if (choice == 1.f)
    {
        selector->setDefaultExtension(CFileExtension("Vant Program", "vnp"));
        selector->addFileExtension(CFileExtension("Other Files", "*"));
        selector->setTitle("Choose A Program File");
        selector->run(nullptr);
        const std::string path = chosenPath(*selector);
        // Only a ".vnp" file, spelt exactly so.
        if (!path.empty() && extensionOf(path) == ".vnp")
        {
            const int p = plugin.getProgram();
            plugin.loadProgramFile(p, path.c_str());
            setProgram(p);
            frame->invalid();
            browser->markModified(false);
            setLastFolderFrom(path.c_str());
            if (!browser->isListEmpty())
            {
                browser->programChanged();
                browser->markModified(false);
            }
        }
    }
    else
    {
        selector->setDefaultExtension(CFileExtension("Vant Banks", "vnb"));
        selector->addFileExtension(CFileExtension("Other Files", "*"));
        selector->setTitle("Choose A Bank File");
        selector->run(nullptr);
        const std::string path = chosenPath(*selector);
        if (!path.empty() && extensionOf(path) == ".vnb")
        {
            plugin.loadBankFile(path.c_str());
            setProgram(0);
        }
    }
    selector = nullptr;
    if (loadButton)
        loadButton->takeFocus();
}
