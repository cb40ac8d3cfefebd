#include "tools/presets/ProgramSource.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

#include "common/ParamTable.h"
#include "plugin/ProgramRecord.h"

namespace {

// Parameters whose host name is "-", and what the source calls them.
constexpr std::pair<ParamId, const char*> kOwnNames[] = {
    {ParamId::CrushBits, "Crush bits"}, {ParamId::SandGrains, "Sand grains"}, {ParamId::SandBounce, "Sand bounce"},
    {ParamId::SandWidth, "Sand width"}, {ParamId::SandTune, "Sand tune"},     {ParamId::SandDamping, "Sand damping"},
};

const std::map<std::string, int>& nameIndex()
{
    static const std::map<std::string, int> index = [] {
        std::map<std::string, int> count;
        for (const ParamInfo& info : kParamTable)
            ++count[info.name];
        std::map<std::string, int> names;
        for (int i = 0; i < kParamCount; ++i)
        {
            const ParamInfo& info = kParamTable[i];
            // A name the host shows for several parameters names none of them.
            if (count[info.name] == 1 && info.use != ParamUse::StoredOnly)
                names[info.name] = i;
            if (info.noiseName)
                names[info.noiseName] = i;
        }
        for (const auto& [id, name] : kOwnNames)
            names[name] = paramIndex(id);
        return names;
    }();
    return index;
}

std::string trim(const std::string& s)
{
    size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
        --b;
    return s.substr(a, b - a);
}

bool parseValue(const std::string& text, float& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(v) || v < 0.0 || v > 1.0)
        return false;
    value = static_cast<float>(v);
    return true;
}

bool printableName(const std::string& name)
{
    for (unsigned char c : name)
        if (c < 32 || c > 126 || c == '/')
            return false;
    return true;
}

} // namespace

int sourceParameterIndex(const std::string& name)
{
    const auto& names = nameIndex();
    auto it = names.find(name);
    return it == names.end() ? -1 : it->second;
}

bool parseProgramSource(std::istream& in, const std::string& fileName, std::vector<SourceProgram>& programs,
                        std::vector<std::string>& errors)
{
    std::string group;
    std::set<int> numbers;
    std::set<int> assigned; // parameters of the current block
    bool wantDescription = false;
    std::string raw;
    int lineNo = 0;
    auto fail = [&](const std::string& what) {
        errors.push_back(fileName + ":" + std::to_string(lineNo) + ": " + what);
    };

    while (std::getline(in, raw))
    {
        ++lineNo;
        const std::string line = trim(raw);
        if (wantDescription)
        {
            wantDescription = false;
            if (line.size() > 1 && line[0] == '>')
            {
                programs.back().description = trim(line.substr(1));
                continue;
            }
            fail("a program starts with a one-line description, \"> ...\"");
        }
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("==", 0) == 0)
        {
            std::string name = line.substr(2);
            while (!name.empty() && name.back() == '=')
                name.pop_back();
            group = trim(name);
            continue;
        }
        if (line[0] == '[')
        {
            const size_t close = line.find(']');
            int number = -1;
            if (close != std::string::npos)
            {
                const std::string digits = trim(line.substr(1, close - 1));
                char* end = nullptr;
                const long n = std::strtol(digits.c_str(), &end, 10);
                if (!digits.empty() && *end == '\0')
                    number = static_cast<int>(n);
            }
            const std::string name = close == std::string::npos ? "" : trim(line.substr(close + 1));
            if (number < 0 || number >= kNumPrograms)
                fail("a program header is \"[N] Name\" with N from 0 to 63");
            else if (!numbers.insert(number).second)
                fail("program " + std::to_string(number) + " is defined twice");
            if (name.empty() || name.size() > static_cast<size_t>(kProgramNameChars) || !printableName(name))
                fail("a program name has 1 to 24 printable characters and no '/'");
            SourceProgram p;
            p.number = number;
            p.name = name;
            p.group = group;
            p.line = lineNo;
            for (int i = 0; i < kParamCount; ++i)
                p.values[static_cast<size_t>(i)] = kParamTable[i].defaultValue;
            programs.push_back(p);
            assigned.clear();
            wantDescription = true;
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
        {
            fail("expected \"Name = value\", a \"[N] Name\" header or a \"== group ==\" line");
            continue;
        }
        if (programs.empty())
        {
            fail("a parameter before the first program");
            continue;
        }
        const std::string name = trim(line.substr(0, eq));
        std::string valueText = line.substr(eq + 1);
        const size_t hash = valueText.find('#');
        if (hash != std::string::npos)
            valueText.erase(hash);
        valueText = trim(valueText);
        const int index = sourceParameterIndex(name);
        float value = 0.f;
        if (index < 0)
            fail("no parameter is called \"" + name + "\"");
        else if (!assigned.insert(index).second)
            fail("\"" + name + "\" is set twice in this program");
        else if (!parseValue(valueText, value))
            fail("\"" + name + "\" wants a number from 0 to 1, not \"" + valueText + "\"");
        else
            programs.back().values[static_cast<size_t>(index)] = value;
    }
    if (wantDescription)
        fail("a program starts with a one-line description, \"> ...\"");
    return errors.empty();
}

std::string programSlug(const SourceProgram& program)
{
    char number[8];
    std::snprintf(number, sizeof number, "%02d", program.number);
    std::string slug = number;
    bool dash = true;
    for (unsigned char c : program.name)
    {
        if (std::isalnum(c))
        {
            if (dash)
                slug += '-';
            slug += static_cast<char>(std::tolower(c));
            dash = false;
        }
        else
        {
            dash = true;
        }
    }
    return slug;
}
