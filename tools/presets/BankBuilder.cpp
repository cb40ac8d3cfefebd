#include "tools/presets/BankBuilder.h"

#include "plugin/ProgramRecord.h"

bool buildBank(HostModule& host, const std::vector<SourceProgram>& source, BuiltBank& out, std::string& error)
{
    for (const SourceProgram& p : source)
    {
        host.setProgram(p.number);
        for (int i = 0; i < kParamCount; ++i)
            host.setParameter(i, p.values[static_cast<size_t>(i)]);
        std::string name = p.name;
        host.dispatch(effSetProgramName, 0, 0, name.data());
        if (host.programName() != p.name)
        {
            error = "the module named program " + std::to_string(p.number) + " \"" + host.programName() + "\"";
            return false;
        }
        out.programs.push_back(host.getChunk(true));
        if (out.programs.back().size() != static_cast<size_t>(kProgramRecordBytes))
        {
            error = "the module gave a program chunk of " + std::to_string(out.programs.back().size()) + " bytes";
            return false;
        }
    }
    host.setProgram(0);
    out.bank = host.getChunk(false);
    if (out.bank.size() != static_cast<size_t>(kBankImageBytes))
    {
        error = "the module gave a bank chunk of " + std::to_string(out.bank.size()) + " bytes";
        return false;
    }
    return true;
}
