// `vantorel info`: what a host learns when it scans the module.
#include <cstdio>
#include <iostream>
#include <memory>

#include <nlohmann/json.hpp>

#include "tools/Command.h"
#include "tools/ModuleOption.h"
#include "vst2/VstRecords.h"

namespace {

struct InfoOptions
{
    std::string module;
    bool json = false;
};

std::string fourCC(int32_t id)
{
    std::string s;
    for (int shift = 24; shift >= 0; shift -= 8)
    {
        char c = static_cast<char>((static_cast<uint32_t>(id) >> shift) & 0xFF);
        s += (c >= 32 && c < 127) ? c : '?';
    }
    return s;
}

nlohmann::json flagNames(int32_t flags)
{
    static const std::pair<int32_t, const char*> known[] = {
        {effFlagsHasEditor, "HasEditor"},         {effFlagsCanReplacing, "CanReplacing"},
        {effFlagsProgramChunks, "ProgramChunks"}, {effFlagsIsSynth, "IsSynth"},
        {effFlagsNoSoundInStop, "NoSoundInStop"}, {effFlagsCanDoubleReplacing, "CanDoubleReplacing"}};
    nlohmann::json names = nlohmann::json::array();
    for (const auto& [bit, name] : known)
        if (flags & bit)
            names.push_back(name);
    return names;
}

nlohmann::json collect(HostModule& host)
{
    AEffect* fx = host.effect();
    nlohmann::json info;
    info["module"] = host.path();
    info["effectName"] = host.effectName();
    info["vendor"] = host.vendorString();
    info["product"] = host.productString();
    info["uniqueID"] = fx->uniqueID;
    info["uniqueIDText"] = fourCC(fx->uniqueID);
    info["version"] = fx->version;
    info["vendorVersion"] = host.dispatch(effGetVendorVersion);
    info["vstVersion"] = host.dispatch(effGetVstVersion);
    info["category"] = host.dispatch(effGetPlugCategory);
    info["flags"] = fx->flags;
    info["flagNames"] = flagNames(fx->flags);
    info["inputs"] = fx->numInputs;
    info["outputs"] = fx->numOutputs;
    info["numPrograms"] = fx->numPrograms;
    info["numParams"] = fx->numParams;
    nlohmann::json params = nlohmann::json::array();
    for (int32_t i = 0; i < fx->numParams; ++i)
    {
        params.push_back({{"index", i},
                          {"name", host.parameterName(i)},
                          {"label", host.parameterLabel(i)},
                          {"display", host.parameterDisplay(i)},
                          {"value", host.getParameter(i)}});
    }
    info["parameters"] = params;
    nlohmann::json programs = nlohmann::json::array();
    for (int32_t p = 0; p < fx->numPrograms; ++p)
        programs.push_back(host.programNameIndexed(p));
    info["programs"] = programs;
    return info;
}

void printText(const nlohmann::json& info)
{
    std::printf("Module:        %s\n", info["module"].get<std::string>().c_str());
    std::printf("Effect name:   %s\n", info["effectName"].get<std::string>().c_str());
    std::printf("Vendor:        %s\n", info["vendor"].get<std::string>().c_str());
    std::printf("Product:       %s\n", info["product"].get<std::string>().c_str());
    std::printf("Unique ID:     0x%08X '%s'\n", static_cast<uint32_t>(info["uniqueID"].get<int32_t>()),
                info["uniqueIDText"].get<std::string>().c_str());
    std::printf("Version:       %d (vendor version %lld)\n", info["version"].get<int>(),
                info["vendorVersion"].get<long long>());
    std::printf("VST version:   %lld\n", info["vstVersion"].get<long long>());
    std::printf("Category:      %lld\n", info["category"].get<long long>());
    std::string flags;
    for (const auto& f : info["flagNames"])
        flags += (flags.empty() ? "" : " ") + f.get<std::string>();
    std::printf("Flags:         %d (%s)\n", info["flags"].get<int>(), flags.c_str());
    std::printf("Inputs:        %d\n", info["inputs"].get<int>());
    std::printf("Outputs:       %d\n", info["outputs"].get<int>());
    std::printf("\nParameters (%zu):\n", info["parameters"].size());
    for (const auto& p : info["parameters"])
        std::printf("  %3d  %-16s  %-8s %s\n", p["index"].get<int>(), p["name"].get<std::string>().c_str(),
                    p["display"].get<std::string>().c_str(), p["label"].get<std::string>().c_str());
    std::printf("\nPrograms (%zu):\n", info["programs"].size());
    int n = 0;
    for (const auto& name : info["programs"])
        std::printf("  %2d  %s\n", n++, name.get<std::string>().c_str());
}

void addInfo(CLI::App& app)
{
    auto options = std::make_shared<InfoOptions>();
    CLI::App* cmd = app.add_subcommand("info", "identity, flags, parameters and programs of the module");
    addModuleOption(cmd, options->module);
    cmd->add_flag("--json", options->json, "print JSON instead of text");
    cmd->callback([options] {
        HostModule host;
        openInstrument(host, options->module);
        nlohmann::json info = collect(host);
        host.close();
        if (options->json)
            std::cout << info.dump(2) << "\n";
        else
            printText(info);
    });
}

CommandRegistrar registerInfo(addInfo);

} // namespace
