#include "editor/TemplateFiles.h"

#include "plugin/FileReplace.h"

#include <cmath>
#include <cstdio>
#include <cstring>

static_assert(sizeof(float) == 4 && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "template files hold little-endian IEEE singles, as this machine does");

bool readTemplateFile(const std::string& path, size_t count, std::vector<TemplateValue>& values)
{
    values.assign(count, TemplateValue{});
    // Regular files only (a FIFO chosen in the dialog would never answer),
    // named in UTF-8 on every platform.
    std::vector<unsigned char> bytes(count * sizeof(float));
    size_t got = 0;
    if (readFileStart(path.c_str(), bytes.data(), bytes.size(), got) != 0)
        return false;
    // A damaged file must not put NaN or an out-of-range value into the engine.
    for (size_t k = 0; k < got / sizeof(float); ++k)
    {
        float v;
        std::memcpy(&v, bytes.data() + k * sizeof(float), sizeof v);
        if (!std::isfinite(v))
            continue;
        values[k].present = true;
        values[k].value = std::fmin(std::fmax(v, 0.f), 1.f);
    }
    return true;
}

bool writeTemplateFile(const std::string& path, const std::vector<float>& values)
{
    // replaceFileContents answers 0 when written.
    return replaceFileContents(path.c_str(), values.data(), values.size() * sizeof(float)) == 0;
}
