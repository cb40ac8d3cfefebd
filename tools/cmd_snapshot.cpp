// `vantorel snapshot`: opens the instrument's editor without a window (the
// same effEditOpen a host sends, with no parent), with a page open if asked
// (and the preset browser listing a given folder), and writes the 1024 x 480
// window as a PNG.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include <cairo.h>

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
    std::string presetsFolder;
    std::vector<std::string> parameters;
    double scale = 1.0;
};

[[noreturn]] void fail(const std::string& message, int code)
{
    std::cerr << "vantorel snapshot: " << message << "\n";
    throw CLI::RuntimeError(code);
}

// Rewrites the PNG at path scaled by factor (a smaller picture for documents).
bool scalePng(const std::string& path, double factor)
{
    cairo_surface_t* full = cairo_image_surface_create_from_png(path.c_str());
    bool ok = cairo_surface_status(full) == CAIRO_STATUS_SUCCESS;
    if (ok)
    {
        const int w = static_cast<int>(cairo_image_surface_get_width(full) * factor + 0.5);
        const int h = static_cast<int>(cairo_image_surface_get_height(full) * factor + 0.5);
        cairo_surface_t* small = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
        cairo_t* cr = cairo_create(small);
        cairo_scale(cr, factor, factor);
        cairo_set_source_surface(cr, full, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_destroy(cr);
        ok = cairo_surface_write_to_png(small, path.c_str()) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(small);
    }
    cairo_surface_destroy(full);
    return ok;
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
    c.setup.module = resolveModule(c.setup.module);
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
    if (!c.presetsFolder.empty())
        ok = host.dispatch(effVendorSpecific, kEditorRequest, kEditorPresetsFolder,
                           const_cast<char*>(c.presetsFolder.c_str())) != 0;
    if (ok && !c.page.empty())
        ok = host.dispatch(effVendorSpecific, kEditorRequest, kEditorOpenPage, const_cast<char*>(c.page.c_str())) != 0;
    if (ok)
        ok = host.dispatch(effVendorSpecific, kEditorRequest, kEditorWritePng, const_cast<char*>(c.outPath.c_str())) !=
             0;
    host.dispatch(effEditClose);
    if (ok && c.scale != 1.0)
        ok = scalePng(c.outPath, c.scale);
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
    cmd->add_option("--presets", command->presetsFolder,
                    "folder the preset browser lists (default: the presets folder)")
        ->check(CLI::ExistingDirectory);
    cmd->add_option("--param", command->parameters, "set a parameter, INDEX=VALUE (repeatable)");
    cmd->add_option("--scale", command->scale, "scale the picture (0.1..1), for documents")
        ->check(CLI::Range(0.1, 1.0));
    cmd->callback([command] { run(*command); });
}

CommandRegistrar registerSnapshot(addSnapshot);

} // namespace
