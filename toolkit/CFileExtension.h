#pragma once
// One file type offered by a file dialog: description and extension
// (without the dot; "*" means all files).

#include <cstdint>
#include <string>

namespace VSTGUI {

class CFileExtension
{
public:
    CFileExtension(const char* description, const char* extension, const char* mimeType = "", int32_t macType = 0,
                   const char* uti = "");

    const char* getDescription() const { return description.c_str(); }
    const char* getExtension() const { return extension.c_str(); }
    const char* getMimeType() const { return mimeType.c_str(); }
    const char* getUTI() const { return uti.c_str(); }
    int32_t getMacType() const { return macType; }

    // Same extension, or same MIME type, or same UTI.
    bool operator==(const CFileExtension& o) const;

private:
    std::string description;
    std::string extension;
    std::string mimeType;
    std::string uti;
    int32_t macType;
};

} // namespace VSTGUI
