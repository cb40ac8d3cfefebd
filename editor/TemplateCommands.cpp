#include "editor/TemplateCommands.h"

#include "editor/KelGui.h"
#include "editor/TemplateFiles.h"
#include "plugin/Kelvane.h"

#include "toolkit/CFileExtension.h"
#include "toolkit/CFrame.h"
#include "toolkit/CNewFileSelector.h"
#include "toolkit/SharedPointer.h"

#include <string>
#include <vector>

using namespace VSTGUI;

namespace {

enum Entry
{
    kReset = 1,
    kFirstTable = 2,
    kLastTable = 4,
    kLoad = 5,
    kSave = 6
};

// Tuning offsets x per pitch class, C to B; x = +-1 is +-2 semitones and
// the stored value is (x + 1) / 2. JUST is five-limit just intonation on C
// (x * 200 is the deviation in cents from equal temperament).
constexpr float kMeanOffsets[kPitchClasses] = {-0.0444f, 0.0204f,  -0.0171f, -0.0410f, 0.0172f,  -0.0580f,
                                               0.0512f,  -0.0307f, -0.0101f, 0.f,      -0.0716f, 0.0342f};
constexpr float kJustOffsets[kPitchClasses] = {0.f,      -0.1463f, 0.0197f, 0.0786f,  -0.0684f, -0.0100f,
                                               -0.0486f, 0.0099f,  0.0684f, -0.0780f, 0.0880f,  -0.0586f};
// Stored values: D, G# and B pulled down, F up, by 190 cents onto their
// neighbours.
constexpr float kOctatonicValues[kPitchClasses] = {0.5f, 0.5f, 0.025f, 0.5f, 0.5f, 0.975f,
                                                   0.5f, 0.5f, 0.025f, 0.5f, 0.5f, 0.025f};

// Bend scales, upward row then downward row, C to B (1 = the full range).
struct BendTable
{
    float up[kPitchClasses];
    float down[kPitchClasses];
};
constexpr BendTable kBendTables[3] = {
    // TONIC Cmaj
    {{1, 0.5f, 1, 0.5f, 0.5f, 1, 0.5f, 1, 0.5f, 1, 1, 0.5f}, {0.5f, 0.5f, 1, 0.5f, 1, 0.5f, 0.5f, 1, 0.5f, 1, 0.5f, 1}},
    // PENTATONIC
    {{0.5f, 1, 0.5f, 0, 1, 0.5f, 1, 0.5f, 1, 0.5f, 0, 0.5f}, {1, 0, 0.5f, 1, 0.5f, 1, 0, 0.5f, 1, 0.5f, 1, 0.5f}},
    // OCTATONIC
    {{0.5f, 1, 1, 0.5f, 1, 0.5f, 0.5f, 1, 1, 0.5f, 1, 1}, {1, 0.5f, 0.5f, 1, 0.5f, 1, 1, 0.5f, 0.5f, 1, 0.5f, 0.5f}},
};

struct TemplateKind
{
    ParamId first; // the first parameter, then the following ones
    size_t count;
    const char* extension; // with its dot
    const char* loadTitle;
    const char* saveTitle;
};
constexpr TemplateKind kNotes{ParamId::MtC, kNotesTemplateValues, ".vmt", "Choose A Notes Template",
                              "Save A Notes Template"};
constexpr TemplateKind kPitchBend{ParamId::MpbUpC, kPitchBendTemplateValues, ".vmp", "Choose A Pitchbend Template",
                                  "Save A Pitchbend Template"};

// Straight to the plug-in, in increasing index order; its parameter-change
// path moves the faders and the read-out.
void setValue(KelGui& editor, int32_t index, float value) { editor.getPlugin().setParameter(index, value); }

void applyNotesTable(KelGui& editor, int entry)
{
    const int32_t first = paramIndex(ParamId::MtC);
    for (int k = 0; k < kPitchClasses; ++k)
    {
        float v = 0.5f;
        if (entry == 2)
            v = (kMeanOffsets[k] + 1.f) * 0.5f;
        else if (entry == 3)
            v = (kJustOffsets[k] + 1.f) * 0.5f;
        else if (entry == 4)
            v = kOctatonicValues[k];
        setValue(editor, first + k, v);
    }
}

void applyBendTable(KelGui& editor, int entry)
{
    const int32_t up = paramIndex(ParamId::MpbUpC), down = paramIndex(ParamId::MpbDownC);
    const BendTable* table = entry >= kFirstTable ? &kBendTables[entry - kFirstTable] : nullptr;
    for (int k = 0; k < kPitchClasses; ++k)
        setValue(editor, up + k, table ? table->up[k] : 1.f);
    for (int k = 0; k < kPitchClasses; ++k)
        setValue(editor, down + k, table ? table->down[k] : 1.f);
}

SharedPointer<CNewFileSelector> makeSelector(KelGui& editor, CNewFileSelector::Style style, const TemplateKind& kind)
{
    auto selector = owned(CNewFileSelector::create(editor.getFrame(), style));
    if (!selector)
        return selector;
    selector->setInitialDirectory(editor.getTemplateFolder());
    selector->setDefaultExtension(CFileExtension("notes template", kind.extension + 1));
    selector->addFileExtension(CFileExtension("Other Files", "*"));
    selector->setTitle(style == CNewFileSelector::kSelectSaveFile ? kind.saveTitle : kind.loadTitle);
    return selector;
}

std::string chosenPath(CNewFileSelector& selector)
{
    const char* path = selector.getNumSelectedFiles() > 0 ? selector.getSelectedFile(0) : nullptr;
    return path ? path : "";
}

void loadTemplate(KelGui& editor, const TemplateKind& kind)
{
    auto selector = makeSelector(editor, CNewFileSelector::kSelectFile, kind);
    if (!selector)
        return;
    selector->run(nullptr);
    const std::string path = chosenPath(*selector);
    if (path.empty())
        return;
    // Whatever its extension: a pitch-bend file read as notes gives its
    // first twelve values.
    std::vector<TemplateValue> values;
    if (readTemplateFile(path, kind.count, values))
    {
        editor.setTemplateFolderFrom(path.c_str());
        // A short file leaves the parameters it does not reach as they are.
        for (size_t k = 0; k < values.size(); ++k)
            if (values[k].present)
                setValue(editor, paramIndex(kind.first) + static_cast<int32_t>(k), values[k].value);
    }
    if (CFrame* frame = editor.getFrame())
        frame->invalid();
}

void saveTemplate(KelGui& editor, const TemplateKind& kind)
{
    auto selector = makeSelector(editor, CNewFileSelector::kSelectSaveFile, kind);
    if (!selector)
        return;
    selector->setDefaultSaveName("");
    selector->run(nullptr);
    std::string path = chosenPath(*selector);
    if (path.empty())
        return;
    if (path.find(kind.extension) == std::string::npos)
        path += kind.extension;
    std::vector<float> values(kind.count);
    for (size_t k = 0; k < kind.count; ++k)
        values[k] = editor.getPlugin().getParameter(paramIndex(kind.first) + static_cast<int32_t>(k));
    writeTemplateFile(path, values);
    editor.setTemplateFolderFrom(path.c_str());
}

} // namespace

void runTemplateCommand(KelGui& editor, int row, bool pitchBendMode)
{
    if (row < kReset || row > kSave)
        return;
    const TemplateKind& kind = pitchBendMode ? kPitchBend : kNotes;
    if (row == kLoad)
        return loadTemplate(editor, kind);
    if (row == kSave)
        return saveTemplate(editor, kind);
    if (pitchBendMode)
        applyBendTable(editor, row);
    else
        applyNotesTable(editor, row);
    if (CFrame* frame = editor.getFrame())
        frame->invalid();
}
