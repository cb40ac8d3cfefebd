// The file dialog on Windows: the system's open and save dialogs (and its
// folder browser), owned by the editor's top-level window.
#include "toolkit/CNewFileSelector.h"

#include "common/WideText.h"
#include "toolkit/CFrame.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace VSTGUI {

namespace {

std::wstring windowsPath(const std::string& path)
{
    std::wstring wide = wideText(path);
    for (wchar_t& c : wide)
        if (c == L'/')
            c = L'\\';
    return wide;
}

// "Description (*.ext)" and its pattern, each ended by a NUL; the whole list
// ends with a second NUL.
void addFilter(std::wstring& filters, const std::wstring& description, const std::wstring& pattern)
{
    filters += description + L" (" + pattern + L")";
    filters += L'\0';
    filters += pattern;
    filters += L'\0';
}

} // namespace

bool CNewFileSelector::runModal()
{
    result.clear();
    HWND owner = nullptr;
    if (frame && frame->getPlatformFrame())
        owner = GetAncestor(reinterpret_cast<HWND>(frame->getPlatformFrame()->getNativeWindow()), GA_ROOT);
    const std::wstring wideTitle = wideText(title);

    if (style == kSelectDirectory)
    {
        BROWSEINFOW info{};
        info.hwndOwner = owner;
        info.lpszTitle = wideTitle.c_str();
        info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
        PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
        if (!chosen)
            return false;
        wchar_t folder[MAX_PATH] = {};
        if (SHGetPathFromIDListW(chosen, folder))
            result.push_back(utf8Path(folder));
        CoTaskMemFree(chosen);
        return !result.empty();
    }

    // The default extension's filter first, so that it is the active one.
    std::wstring filters;
    std::wstring defaultExtension;
    std::vector<const CFileExtension*> order;
    if (defaultExtensionSet && defaultExtensionIndex < extensions.size())
        order.push_back(&extensions[defaultExtensionIndex]);
    for (size_t i = 0; i < extensions.size(); ++i)
        if (!(defaultExtensionSet && i == defaultExtensionIndex))
            order.push_back(&extensions[i]);
    bool hasAll = false;
    for (const CFileExtension* e : order)
    {
        const std::string ext = e->getExtension();
        hasAll = hasAll || ext == "*";
        addFilter(filters, wideText(e->getDescription()), ext == "*" ? L"*.*" : L"*." + wideText(ext));
    }
    if (!order.empty() && !hasAll)
        addFilter(filters, L"All files", L"*.*");
    filters += L'\0';
    if (defaultExtensionSet && defaultExtensionIndex < extensions.size() &&
        std::string(extensions[defaultExtensionIndex].getExtension()) != "*")
        defaultExtension = wideText(extensions[defaultExtensionIndex].getExtension());

    std::vector<wchar_t> file(32768, L'\0');
    if (style == kSelectSaveFile)
    {
        const std::wstring name = wideText(defaultSaveName);
        name.copy(file.data(), std::min(name.size(), file.size() - 1));
    }
    const std::wstring folder = windowsPath(initialPath);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = order.empty() ? nullptr : filters.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = wideTitle.empty() ? nullptr : wideTitle.c_str();
    ofn.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (style == kSelectSaveFile)
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    else
        ofn.Flags |= OFN_FILEMUSTEXIST | (allowMultiFileSelection ? OFN_ALLOWMULTISELECT : 0);
    const BOOL chosen = style == kSelectSaveFile ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen)
        return false;
    // Several files come as the folder, then each name, each ended by a NUL.
    const std::wstring first(file.data());
    const wchar_t* next = file.data() + first.size() + 1;
    if (allowMultiFileSelection && style == kSelectFile && *next)
    {
        for (; *next; next += std::wstring(next).size() + 1)
            result.push_back(utf8Path(first + L"\\" + next));
    }
    else
        result.push_back(utf8Path(first));
    appendDefaultExtension();
    return !result.empty();
}

} // namespace VSTGUI
