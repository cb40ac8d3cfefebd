#pragma once
// The --module option every subcommand that loads the instrument shares, the
// search for the module when it is not given, and opening an instance with a
// readable error.
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "tools/HostModule.h"
#include "tools/ModuleLocator.h"

inline CLI::Option* addModuleOption(CLI::App* cmd, std::string& path)
{
    return cmd->add_option("--module", path,
                           "the Vantorel.so to load (default: $VANTOREL_MODULE, beside the tool, its build tree, "
                           "~/.vst, $LXVST_PATH, $VST_PATH, /usr/lib/vst, /usr/local/lib/vst)");
}

// Turns the --module value into the module to load; throws CLI::RuntimeError
// with every place it looked when there is none.
inline std::string resolveModule(const std::string& given)
{
    const ModuleLookup found = findModule(ModuleSearch::fromEnvironment(given));
    if (!found.path.empty())
        return found.path;
    std::cerr << "vantorel: " << found.error << "; looked in:\n";
    for (const std::string& place : found.looked)
        std::cerr << "  " << place << "\n";
    std::cerr << "Install it (bash scripts/install.sh) or name it with --module PATH or VANTOREL_MODULE.\n";
    throw CLI::RuntimeError(1);
}

// Finds and loads the module and opens one instance; throws CLI::RuntimeError on failure.
inline AEffect* openInstrument(HostModule& host, const std::string& given)
{
    const std::string path = resolveModule(given);
    if (!host.load(path) || !host.open())
    {
        std::cerr << "vantorel: cannot open " << path << ": " << host.error() << "\n";
        throw CLI::RuntimeError(1);
    }
    return host.effect();
}
