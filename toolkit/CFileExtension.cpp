#include "toolkit/CFileExtension.h"

namespace VSTGUI {

CFileExtension::CFileExtension(const char* desc, const char* ext, const char* mime, int32_t mac, const char* u)
    : description(desc ? desc : ""), extension(ext ? ext : ""), mimeType(mime ? mime : ""), uti(u ? u : ""),
      macType(mac)
{}

bool CFileExtension::operator==(const CFileExtension& o) const
{
    if (!extension.empty() && extension == o.extension)
        return true;
    if (!mimeType.empty() && mimeType == o.mimeType)
        return true;
    return !uti.empty() && uti == o.uti;
}

} // namespace VSTGUI
