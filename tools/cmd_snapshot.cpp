// `vantorel snapshot`: opens the instrument's editor without a window (the
// same effEditOpen a host sends, with no parent), with a page open if asked,
// and writes the 1024 x 480 window as a PNG.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "common/EditorRequests.h"
#include "tools/Command.h"
#include "tools/InstrumentSetup.h"
#include "tools/ModuleOption.h"

namespace {

struct SnapshotCommand
{
    InstrumentSetup setup;
    std::string outPath;
    std::string page;
    std::vector<std::string> parameters;
};

[[noreturn]] void fail(const std::string& message, int code)
{
    std::cerr << "vantorel snapshot: " << message << "\n";
    throw CLI::RuntimeError(code);
}

void run(SnapshotCommand& c)
{
    for (const std::string& p : c.parameters)
    {
        std::pair<int, float> parsed;
        if (!parseParameter(p, parsed))
            fail("--param wants INDEX=VALUE with INDEX 0..110, not \"" + p + "\"", 2);
        c.setup.parameters.push_back(parsed);
    }
    HostModule host;
    std::string error;
    if (!prepareInstrument(host, c.setup, error))
        fail(error, 1);
    if (!(host.effect()->flags & effFlagsHasEditor))
        fail("the module has no editor", 1);
    if (host.dispatch(effEditOpen, 0, 0, nullptr) == 0)
        fail("the editor did not open", 1);
    host.dispatch(effEditIdle);
    bool ok = true;
    if (!c.page.empty())
        ok = host.dispatch(effVendorSpecific, kEditorRequest, kEditorOpenPage, const_cast<char*>(c.page.c_str())) != 0;
    if (ok)
        ok = host.dispatch(effVendorSpecific, kEditorRequest, kEditorWritePng, const_cast<char*>(c.outPath.c_str())) !=
             0;
    host.dispatch(effEditClose);
    if (!ok)
        fail("cannot write " + c.outPath, 1);
    std::fprintf(stderr, "wrote %s\n", c.outPath.c_str());
}

void addSnapshot(CLI::App& app)
{
    auto command = std::make_shared<SnapshotCommand>();
    InstrumentSetup& s = command->setup;
    CLI::App* cmd = app.add_subcommand("snapshot", "write the editor window (1024 x 480) as a PNG");
    addModuleOption(cmd, s.module);
    cmd->add_option("--out", command->outPath, "PNG file to write")->required();
    cmd->add_option("--page", command->page, "page to open")
        ->check(CLI::IsMember({"presets", "microtuning", "modulation", "effects"}));
    cmd->add_option("--program", s.program, "program to select (0..63)")->check(CLI::Range(0, 63));
    cmd->add_option("--bank", s.bankPath, "bank file (.vnb) to load first")->check(CLI::ExistingFile);
    cmd->add_option("--preset", s.presetPath, "program file (.vnp) to load into the current program")
        ->check(CLI::ExistingFile);
    cmd->add_option("--param", command->parameters, "set a parameter, INDEX=VALUE (repeatable)");
    cmd->callback([command] { run(*command); });
}

CommandRegistrar registerSnapshot(addSnapshot);

} // namespace
