// `vantorel preset dump FILE`: a program (.vnp) or bank (.vnb) file as JSON.
// Parameter names come from the module itself, since they follow each
// program's NOISE setting.
// `vantorel preset build SOURCE --out DIR`: the bank and program files of a
// readable bank source (tools/presets/ProgramSource.h), made by the module.
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

#include <nlohmann/json.hpp>

#include "common/ParamId.h"
#include "plugin/ProgramRecord.h"
#include "tools/Command.h"
#include "tools/ModuleOption.h"
#include "tools/presets/BankBuilder.h"
#include "tools/presets/ProgramSource.h"

namespace {

struct DumpOptions
{
    std::string module;
    std::string file;
};

struct BuildOptions
{
    std::string module;
    std::string source;
    std::string outDir;
    std::string bankName = "Factory";
    std::string listPath;
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

bool writeBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

std::string programFileName(const SourceProgram& p)
{
    char number[8];
    std::snprintf(number, sizeof number, "%02d", p.number);
    return std::string(number) + " " + p.name + ".vnp";
}

void runBuild(const BuildOptions& o)
{
    std::ifstream in(o.source);
    if (!in)
    {
        std::cerr << "vantorel: cannot read " << o.source << "\n";
        throw CLI::RuntimeError(1);
    }
    std::vector<SourceProgram> source;
    std::vector<std::string> errors;
    if (!parseProgramSource(in, o.source, source, errors))
    {
        for (const std::string& e : errors)
            std::cerr << e << "\n";
        throw CLI::RuntimeError(1);
    }
    HostModule host;
    openInstrument(host, o.module);
    BuiltBank built;
    std::string error;
    const bool ok = buildBank(host, source, built, error);
    host.close();
    if (!ok)
    {
        std::cerr << "vantorel: " << error << "\n";
        throw CLI::RuntimeError(1);
    }
    std::vector<std::pair<std::string, const std::vector<unsigned char>*>> files;
    files.push_back({o.outDir + "/" + o.bankName + ".vnb", &built.bank});
    for (size_t i = 0; i < source.size(); ++i)
        files.push_back({o.outDir + "/" + programFileName(source[i]), &built.programs[i]});
    for (const auto& [path, bytes] : files)
    {
        if (!writeBytes(path, *bytes))
        {
            std::cerr << "vantorel: cannot write " << path << "\n";
            throw CLI::RuntimeError(1);
        }
    }
    if (!o.listPath.empty())
    {
        std::ofstream list(o.listPath, std::ios::trunc);
        list << "number\tslug\tgroup\tname\tdescription\tfile\n";
        for (const SourceProgram& p : source)
            list << p.number << "\t" << programSlug(p) << "\t" << p.group << "\t" << p.name << "\t" << p.description
                 << "\t" << programFileName(p) << "\n";
        list.close();
        if (!list)
        {
            std::cerr << "vantorel: cannot write " << o.listPath << "\n";
            throw CLI::RuntimeError(1);
        }
    }
    std::fprintf(stderr, "wrote %s.vnb and %zu program files to %s\n", o.bankName.c_str(), source.size(),
                 o.outDir.c_str());
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

    auto build = std::make_shared<BuildOptions>();
    CLI::App* buildCmd =
        preset->add_subcommand("build", "make a bank file and one program file per program from a bank source");
    buildCmd->add_option("SOURCE", build->source, "the bank source (one block per program)")->required();
    buildCmd->add_option("--out", build->outDir, "folder to write the files into")
        ->required()
        ->check(CLI::ExistingDirectory);
    buildCmd->add_option("--bank-name", build->bankName, "name of the bank file, without .vnb")->capture_default_str();
    buildCmd->add_option("--list", build->listPath, "also write the programs as a tab-separated list");
    addModuleOption(buildCmd, build->module);
    buildCmd->callback([build] { runBuild(*build); });
}

CommandRegistrar registerPreset(addPreset);

} // namespace
