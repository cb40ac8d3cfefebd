#pragma once
// The file dialog's program replaced for a test: each dialog is answered
// with `answer` (empty: cancelled) and its command line kept.
#include "toolkit/CNewFileSelector.h"

#include <algorithm>
#include <string>
#include <vector>

struct DialogAnswers
{
    DialogAnswers()
    {
        VSTGUI::CNewFileSelector::setDialogProgram("/usr/bin/zenity");
        VSTGUI::CNewFileSelector::setRunner([this](const std::vector<std::string>& argv, std::string& output) {
            commands.push_back(argv);
            output = answer.empty() ? "" : answer + "\n";
            return answer.empty() ? 1 : 0;
        });
    }
    ~DialogAnswers()
    {
        VSTGUI::CNewFileSelector::setRunner(nullptr);
        VSTGUI::CNewFileSelector::setDialogProgram("");
    }
    DialogAnswers(const DialogAnswers&) = delete;
    DialogAnswers& operator=(const DialogAnswers&) = delete;

    bool lastCommandHas(const std::string& arg) const
    {
        return !commands.empty() &&
               std::find(commands.back().begin(), commands.back().end(), arg) != commands.back().end();
    }

    std::string answer;
    std::vector<std::vector<std::string>> commands;
};
