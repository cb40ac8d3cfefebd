// `vantorel preset dump FILE`: a program (.vnp) or bank (.vnb) file as JSON.
// Parameter names come from the module itself, since they follow each
// program's NOISE setting.
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

#include <nlohmann/json.hpp>

#include "common/ParamId.h"
#include "plugin/ProgramRecord.h"
#include "tools/Command.h"
#include "tools/ModuleOption.h"

namespace {

struct DumpOptions
{
    std::string module;
    std::string file;
};

constexpr int kNoiseSelect = paramIndex(ParamId::SbDiffusion);

std::string boundedText(const unsigned char* field, size_t size)
{
    const char* text = reinterpret_cast<const char*>(field);
    return std::string(text, strnlen(text, size));
}

float floatAt(const unsigned char* bytes)
{
    float v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

// One record, as far as the bytes go (a short file holds only its first part).
nlohmann::json dumpRecord(HostModule& host, const unsigned char* bytes, size_t size)
{
    nlohmann::json record;
    if (size >= 1)
        record["version"] = bytes[0];
    const size_t valuesEnd = offsetof(ProgramRecord, path);
    size_t count = size > 4 ? std::min<size_t>((size - 4) / 4, kParamCount) : 0;
    if (count > kNoiseSelect)
        host.setParameter(kNoiseSelect, floatAt(bytes + 4 + 4 * kNoiseSelect));
    nlohmann::json params = nlohmann::json::array();
    for (size_t i = 0; i < count; ++i)
        params.push_back({{"index", i},
                          {"name", host.parameterName(static_cast<int32_t>(i))},
                          {"value", floatAt(bytes + 4 + 4 * i)}});
    record["parameters"] = params;
    if (size > valuesEnd)
        record["path"] = boundedText(bytes + valuesEnd, std::min<size_t>(size - valuesEnd, kPathFieldBytes));
    const size_t nameAt = offsetof(ProgramRecord, name);
    if (size > nameAt)
        record["name"] = boundedText(bytes + nameAt, std::min<size_t>(size - nameAt, kProgramNameChars));
    return record;
}

bool endsWith(const std::string& s, const char* suffix)
{
    size_t n = std::strlen(suffix);
    return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

void addPreset(CLI::App& app)
{
    CLI::App* preset = app.add_subcommand("preset", "program and bank files");
    preset->require_subcommand(1);
    auto options = std::make_shared<DumpOptions>();
    CLI::App* dump = preset->add_subcommand("dump", "print a .vnp or .vnb file as JSON");
    dump->add_option("FILE", options->file, "the program or bank file")->required();
    addModuleOption(dump, options->module);
    dump->callback([options] {
        std::ifstream in(options->file, std::ios::binary);
        if (!in)
        {
            std::cerr << "vantorel: cannot read " << options->file << "\n";
            throw CLI::RuntimeError(1);
        }
        // Loads read at most the fixed size; so does the dump, whatever the
        // file holds (a huge file, or a device that never ends). One byte more
        // tells whether anything was left unread.
        std::vector<unsigned char> bytes(kBankImageBytes + 1);
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<size_t>(in.gcount()));
        const bool bank =
            endsWith(options->file, ".vnb") || (!endsWith(options->file, ".vnp") && bytes.size() > kProgramRecordBytes);
        const size_t limit = bank ? kBankImageBytes : kProgramRecordBytes;
        const bool longer = bytes.size() > limit;
        if (longer)
            std::cerr << "vantorel: " << options->file << " is longer than a " << (bank ? "bank" : "program")
                      << " file; only its first " << limit << " bytes are read\n";
        bytes.resize(std::min(bytes.size(), limit));

        HostModule host;
        openInstrument(host, options->module);
        nlohmann::json out;
        out["file"] = options->file;
        out["kind"] = bank ? "bank" : "program";
        out["size"] = bytes.size();
        out["longerThanRead"] = longer;
        if (bank)
        {
            nlohmann::json programs = nlohmann::json::array();
            for (size_t p = 0; p < kNumPrograms; ++p)
            {
                size_t at = p * kProgramRecordBytes;
                if (at >= bytes.size())
                    break;
                nlohmann::json record =
                    dumpRecord(host, bytes.data() + at, std::min<size_t>(bytes.size() - at, kProgramRecordBytes));
                record["program"] = p;
                programs.push_back(record);
            }
            out["programs"] = programs;
            const size_t pathAt = offsetof(BankImage, bankPath);
            if (bytes.size() > pathAt)
                out["bankPath"] = boundedText(bytes.data() + pathAt, bytes.size() - pathAt);
        }
        else
        {
            out["program"] = dumpRecord(host, bytes.data(), bytes.size());
        }
        host.close();
        std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    });
}

CommandRegistrar registerPreset(addPreset);

} // namespace
