#pragma once
// The --module option every subcommand that loads the instrument shares, and
// opening an instance from it with a readable error.
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "tools/Command.h"
#include "tools/HostModule.h"

inline CLI::Option* addModuleOption(CLI::App* cmd, std::string& path)
{
    path = defaultModulePath();
    return cmd->add_option("--module", path, "the Vantorel.so to load")->capture_default_str();
}

// Loads the module and opens one instance; throws CLI::RuntimeError on failure.
inline AEffect* openInstrument(HostModule& host, const std::string& path)
{
    if (!host.load(path) || !host.open())
    {
        std::cerr << "vantorel: cannot open " << path << ": " << host.error() << "\n";
        throw CLI::RuntimeError(1);
    }
    return host.effect();
}
