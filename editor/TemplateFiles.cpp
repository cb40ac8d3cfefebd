#include "editor/TemplateFiles.h"

#include "plugin/FileOpen.h"
#include "plugin/FileReplace.h"

#include <cmath>
#include <cstdio>
#include <cstring>

static_assert(sizeof(float) == 4 && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "template files hold little-endian IEEE singles, as this machine does");

bool readTemplateFile(const std::string& path, size_t count, std::vector<TemplateValue>& values)
{
    values.assign(count, TemplateValue{});
    FILE* f = openFile(path.c_str(), "rb");
    if (!f)
        return false;
    std::vector<unsigned char> bytes(count * sizeof(float));
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
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
    return replaceFileContents(path.c_str(), values.data(), values.size() * sizeof(float));
}
