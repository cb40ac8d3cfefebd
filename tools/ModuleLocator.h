#pragma once
// Where `vantorel` finds the instrument module when it is not told, in order:
// --module, $VANTOREL_MODULE, the install layout around the tool's own
// executable, the build tree the tool runs from, then the user's and the
// system's VST folders.
#include <string>
#include <vector>

struct ModuleSearch
{
    std::string explicitPath; // --module, empty when not given
    std::string environmentPath; // $VANTOREL_MODULE, empty when unset
    std::string executable; // the running tool, resolved
    std::string buildTool; // the tool as the build tree holds it
    std::string buildModule; // the module of that build tree
    std::string home; // $HOME
    std::string lxvstPath; // $LXVST_PATH, folders separated by ':'
    std::string vstPath; // $VST_PATH, likewise

    // The search as the running tool sees it.
    static ModuleSearch fromEnvironment(const std::string& explicitPath);
};

struct ModuleLookup
{
    std::string path; // the module found; empty when none
    std::vector<std::string> looked; // every place tried, in order
    std::string error; // why nothing was found
};

ModuleLookup findModule(const ModuleSearch& search);
