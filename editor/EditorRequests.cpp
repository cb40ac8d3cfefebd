// Requests of a host of our own: open a page, write the window as a PNG
// (the `vantorel snapshot` command and the tests use them).
#include "common/EditorRequests.h"
#include "editor/KelGui.h"

#include <cstdio>
#include <cstring>

namespace {
const char* const kPageNames[KelGui::kPageCount] = {"presets", "microtuning", "modulation", "effects"};
} // namespace

intptr_t KelGui::editorRequest(intptr_t request, void* argument)
{
    const char* text = static_cast<const char*>(argument);
    if (!frame || !text || !isGuiThread())
        return 0;
    switch (request)
    {
    case kEditorOpenPage:
        for (int page = 0; page < kPageCount; ++page)
            if (std::strcmp(text, kPageNames[page]) == 0)
            {
                if (!pageState[page])
                    tabClicked(static_cast<Page>(page));
                return 1;
            }
        return 0;
    case kEditorPresetsFolder:
        // The browser lists this folder from now on (whether it exists yet
        // or not), and the file dialogs start there.
        namedPresetsFolder = text;
        std::snprintf(lastFolder, kFolderChars + 1, "%s", text);
        std::memcpy(templateFolder, lastFolder, sizeof lastFolder);
        browser->wantListRefresh();
        return 1;
    case kEditorWritePng:
        // Everything recorded is applied and the whole window painted first.
        idle();
        frame->invalid();
        frame->updateNow();
        return frame->renderToPNG(text) ? 1 : 0;
    default: return 0;
    }
}
