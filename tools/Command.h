#pragma once
// Subcommands of `vantorel` register themselves: each command file holds one
// static CommandRegistrar whose function adds the subcommand to the app.
//
//     static void addInfo(CLI::App& app) { auto* cmd = app.add_subcommand("info", "..."); ... }
//     static CommandRegistrar registerInfo(addInfo);
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

using CommandAdder = void (*)(CLI::App&);

struct CommandRegistrar
{
    explicit CommandRegistrar(CommandAdder add) { commands().push_back(add); }
    static std::vector<CommandAdder>& commands()
    {
        static std::vector<CommandAdder> list;
        return list;
    }
};
