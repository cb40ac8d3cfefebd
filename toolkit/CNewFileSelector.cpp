#include "toolkit/CNewFileSelector.h"

#include "toolkit/CFrame.h"

namespace VSTGUI {

CNewFileSelector* CNewFileSelector::create(CFrame* parent, Style style)
{
    if (!parent)
        return nullptr;
    return new CNewFileSelector(parent, style);
}

CNewFileSelector::CNewFileSelector(CFrame* f, Style s) : frame(f), style(s) {}

void CNewFileSelector::setTitle(const char* t) { title = t ? t : ""; }
void CNewFileSelector::setInitialDirectory(const char* path) { initialPath = path ? path : ""; }
void CNewFileSelector::setDefaultSaveName(const char* name) { defaultSaveName = name ? name : ""; }

void CNewFileSelector::setDefaultExtension(const CFileExtension& extension)
{
    if (defaultExtensionSet)
        return;
    defaultExtensionSet = true;
    for (size_t i = 0; i < extensions.size(); ++i)
        if (extensions[i] == extension)
        {
            defaultExtensionIndex = i;
            return;
        }
    extensions.push_back(extension);
    defaultExtensionIndex = extensions.size() - 1;
}

void CNewFileSelector::addFileExtension(const CFileExtension& extension)
{
    for (const auto& e : extensions)
        if (e == extension)
            return;
    extensions.push_back(extension);
}

void CNewFileSelector::appendDefaultExtension()
{
    // A typed save name without extension gets the default one.
    if (style != kSelectSaveFile || !defaultExtensionSet || result.empty())
        return;
    std::string& path = result.front();
    const std::string ext = extensions[defaultExtensionIndex].getExtension();
    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!ext.empty() && ext != "*" && !name.empty() && name.find('.') == std::string::npos)
        path += "." + ext;
}

bool CNewFileSelector::run(CBaseObject* delegate)
{
    const bool ok = runModal();
    if (delegate)
        delegate->notify(this, kSelectEndMessage);
    return ok;
}

const char* CNewFileSelector::getSelectedFile(uint32_t index) const
{
    return index < result.size() ? result[index].c_str() : nullptr;
}

} // namespace VSTGUI
