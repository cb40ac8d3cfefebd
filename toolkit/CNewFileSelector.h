#pragma once
// Modal file dialog; run() blocks until the dialog is closed. Paths are
// UTF-8 with '/' between names. On Windows it is the system's open or save
// dialog (CNewFileSelectorWin32.cpp). On Linux it runs zenity (kdialog as
// fallback) and reads the chosen path from its output
// (CNewFileSelectorZenity.cpp); without either program nothing opens, and a
// message on standard error says so. The program runner is a seam: tests
// replace it with setRunner.

#include "toolkit/CBaseObject.h"
#include "toolkit/CFileExtension.h"

#include <functional>
#include <string>
#include <vector>

namespace VSTGUI {

class CNewFileSelector : public CBaseObject
{
public:
    enum Style
    {
        kSelectFile = 0,
        kSelectSaveFile = 1,
        kSelectDirectory = 2
    };

    // Null without a frame.
    static CNewFileSelector* create(CFrame* parent, Style style = kSelectFile);

    void setTitle(const char* title);
    void setInitialDirectory(const char* path);
    void setDefaultSaveName(const char* name);
    // Allowed once; also adds the extension to the list.
    void setDefaultExtension(const CFileExtension& extension);
    void addFileExtension(const CFileExtension& extension);
    void setAllowMultiFileSelection(bool state) { allowMultiFileSelection = state; }

    // Shows the dialog and waits; then the delegate gets kSelectEndMessage.
    bool run(CBaseObject* delegate);
    bool runModal();
    void cancel() {}

    uint32_t getNumSelectedFiles() const { return static_cast<uint32_t>(result.size()); }
    // Null when out of range; valid while the selector lives.
    const char* getSelectedFile(uint32_t index) const;

    static constexpr const char* kSelectEndMessage = "CNewFileSelector Select End Message";

#ifndef _WIN32
    // Runs a program (argv[0] is its path) and collects its standard output;
    // returns the exit status (or -1 when it could not be started).
    using Runner = std::function<int(const std::vector<std::string>& argv, std::string& output)>;
    // Replaces the runner; an empty function restores the default one.
    static void setRunner(Runner runner);
    // Which dialog program is used: "zenity", "kdialog" or "" (none found).
    // Tests may force one with setDialogProgram.
    static std::string findDialogProgram();
    static void setDialogProgram(const std::string& path);

    // The command line the dialog is started with (empty without a program).
    std::vector<std::string> buildCommand(const std::string& program) const;
#endif

    Style getStyle() const { return style; }

protected:
    CNewFileSelector(CFrame* frame, Style style);
    // A typed save name without extension gets the default one.
    void appendDefaultExtension();

    CFrame* frame;
    Style style;
    std::string title;
    std::string initialPath;
    std::string defaultSaveName;
    std::vector<CFileExtension> extensions;
    std::vector<std::string> result;
    bool allowMultiFileSelection = false;
    bool defaultExtensionSet = false;
    size_t defaultExtensionIndex = 0;
};

} // namespace VSTGUI
