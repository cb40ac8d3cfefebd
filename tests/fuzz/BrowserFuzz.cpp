// The preset browser and the tuning templates over a presets folder of random
// files, driven by random clicks, typed names and file-dialog answers, as a
// user might: nothing outside the presets folder is ever written, renamed or
// deleted, a template brings only values within 0..1, and every program name
// stays terminated.
//
// Input: a count of files, each a name (any bytes but '/' and NUL), an
// extension and contents; then actions until the input ends.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "editor/LCD_presets.h"
#include "tests/editor/DialogAnswers.h"
#include "tests/editor/EditorHost.h"
#include "tests/fuzz/FuzzSupport.h"
#include "toolkit/CTextEdit.h"

namespace {

namespace fs = std::filesystem;
using Snapshot = std::map<std::string, std::string>;

// One folder for the process: presets/ for the browser, beside it outside/
// with a file that must stay as it is; removed at exit.
const fs::path& root()
{
    static const fs::path* path = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string made = std::string(tmp && *tmp ? tmp : "/tmp") + "/vantorel-browser-fuzz-XXXXXX";
        if (!mkdtemp(made.data()))
            std::abort();
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(root(), ignored);
        });
        return new fs::path(made);
    }();
    return *path;
}

// Every file and folder under dir, with the contents of the files.
Snapshot snapshotOf(const fs::path& dir)
{
    Snapshot s;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
    {
        std::string contents;
        if (it->is_regular_file())
            if (FILE* f = std::fopen(it->path().c_str(), "rb"))
            {
                char buffer[4096];
                size_t n;
                while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
                    contents.append(buffer, n);
                std::fclose(f);
            }
        s[fs::relative(it->path(), dir).string()] = contents;
    }
    return s;
}

std::string nameFrom(ByteReader& in, size_t most)
{
    std::string name;
    const size_t length = in.range(0, static_cast<int32_t>(most));
    for (size_t i = 0; i < length; ++i)
    {
        // Mostly printable, with the characters that make paths dangerous.
        const uint8_t b = in.byte();
        static const char kTricky[] = {'.', '/', '.', ' ', '\t', '\n', '\\', '~', '*'};
        name += b < 32 ? kTricky[b % sizeof kTricky] : static_cast<char>(b);
    }
    return name;
}

void writeBytes(const fs::path& path, const std::vector<unsigned char>& bytes)
{
    if (FILE* f = std::fopen(path.c_str(), "wb"))
    {
        if (!bytes.empty())
            std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

struct Session
{
    Session() { FUZZ_CHECK(h.ok() && h.open(), "the editor does not open"); }
    LCD_presets* browser() const { return dynamic_cast<LCD_presets*>(h.gui->getControl(119)); }
    void doubleClick(double x, double y)
    {
        h.click(x, y);
        h.down(x, y, VSTGUI::kLButton | VSTGUI::kDoubleClick);
        h.up(x, y);
        h.idle();
    }
    void rightClick(double x, double y)
    {
        h.move(x, y);
        h.down(x, y, VSTGUI::kRButton);
        h.up(x, y, VSTGUI::kRButton);
        h.idle();
    }
    void type(const std::string& text)
    {
        for (char c : text)
            h.host.dispatch(effEditKeyDown, c, c == ' ' ? VSTGUI::VKEY_SPACE : 0);
    }
    void chooseTemplate(int row)
    {
        h.move(880, 84);
        h.down(880, 84);
        h.move(880, 74 + 17 * row + 8, VSTGUI::kLButton);
        h.up(880, 74 + 17 * row + 8);
    }

    EditorHost h;
    DialogAnswers dialogs;
};

Session& session()
{
    // Opening the editor draws its panels; once per process is enough.
    static Session* s = new Session;
    return *s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    Session& s = session();
    Kelvane& k = *s.h.plugin;

    const fs::path presets = root() / "presets", outside = root() / "outside";
    std::error_code ignored;
    fs::remove_all(presets, ignored);
    fs::remove_all(outside, ignored);
    fs::create_directories(presets);
    fs::create_directories(outside);
    writeBytes(outside / "keep.vnb", {1, 2, 3});
    writeBytes(root() / "beside.vnp", {4, 5, 6});

    // The folder's files: real banks and programs, cut or overwritten, and
    // anything else.
    static const char* kExtensions[] = {".vnb", ".vnp", ".vmt", ".vmp", ".VNB", "", ".vnb.tmp"};
    const int files = in.range(0, 6);
    k.initBank();
    for (int f = 0; f < files; ++f)
    {
        std::string name = nameFrom(in, 12);
        for (char& c : name)
            if (c == '/' || c == 0)
                c = '_';
        name += kExtensions[in.range(0, 6)];
        if (name == "." || name == "..")
            continue;
        const unsigned char* image = k.getBankImage();
        std::vector<unsigned char> bytes;
        switch (in.byte() & 3)
        {
        case 0: bytes.assign(image, image + 97024); break;
        case 1: bytes.assign(image, image + 1500); break;
        case 2: bytes = in.bytes(in.range(0, 64)); break;
        default: bytes.assign(image, image + in.range(0, 2000)); break;
        }
        if (!bytes.empty() && (in.byte() & 1))
            bytes[in.range(0, static_cast<int32_t>(bytes.size()) - 1)] = in.byte();
        writeBytes(presets / name, bytes);
    }
    const Snapshot outsideBefore = snapshotOf(outside);

    const std::string folder = presets.string();
    s.h.host.dispatch(effVendorSpecific, kEditorRequest, kEditorPresetsFolder, const_cast<char*>(folder.c_str()));
    if (!s.h.gui->isPageOpen(KelGui::kPresetsPage))
        s.h.click(520, 58);
    s.h.idle();
    LCD_presets* b = s.browser();
    FUZZ_CHECK(b != nullptr, "no browser");

    for (int step = 0; step < 24 && !in.empty(); ++step)
    {
        switch (in.byte() % 10)
        {
        case 0: // open a bank, or the folder again
            if (b->bankRows() > 0)
                s.doubleClick(540, b->bankList().rowTop(in.range(0, b->bankRows() - 1)) + 6);
            break;
        case 1: // load a program or store one
            if (b->presetRows() > 0)
                s.doubleClick(700, b->presetList().rowTop(in.range(0, b->presetRows() - 1)) + 6);
            break;
        case 2: // ask to delete a bank or a program
            if (in.byte() & 1)
            {
                if (b->bankRows() > 0)
                    s.rightClick(540, b->bankList().rowTop(in.range(0, b->bankRows() - 1)) + 6);
            }
            else if (b->presetRows() > 0)
                s.rightClick(700, b->presetList().rowTop(in.range(0, b->presetRows() - 1)) + 6);
            break;
        case 3: // answer a box
        {
            const auto button =
                static_cast<LCD_presets::Button>(in.range(LCD_presets::kOkButton, LCD_presets::kCancelButton));
            const VSTGUI::CRect r = b->dialogButton(button);
            if (!r.isEmpty())
                s.h.click(r.left + 5, r.top + 5);
            s.h.idle();
            break;
        }
        case 4: // type a name into whatever has the keys, then commit or give up
            s.type(nameFrom(in, 20));
            s.h.host.dispatch(effEditKeyDown, 0, (in.byte() & 1) ? VSTGUI::VKEY_RETURN : VSTGUI::VKEY_ESCAPE);
            s.h.idle();
            break;
        case 5: // NEW BANK (the last bank row)
            s.h.click(540, b->bankList().rowTop(b->bankRows() - 1) + 6);
            s.h.idle();
            break;
        case 6: // the SAVE buttons
            s.h.click((in.byte() & 1) ? 899 : 740, 84);
            s.h.idle();
            break;
        case 7: // a program name with everything in it
        {
            std::string name = nameFrom(in, 30);
            name.resize(24);
            k.setProgramName(name.data());
            break;
        }
        case 8: // a template loaded from one of the folder's files, or saved into the folder
        {
            if (!s.h.gui->isPageOpen(KelGui::kMicrotuningPage))
                s.h.click(640, 58);
            if (in.byte() & 1)
                s.h.click(600, 84); // NOTES or PITCH BEND
            std::vector<fs::path> listed;
            for (const auto& e : fs::directory_iterator(presets, ignored))
                listed.push_back(e.path());
            const bool save = in.byte() & 1;
            if (save)
            {
                std::string name = nameFrom(in, 10);
                for (char& c : name)
                    if (c == '/' || c == 0)
                        c = '_';
                s.dialogs.answer = (presets / ("t" + name)).string();
            }
            else
                s.dialogs.answer =
                    listed.empty() ? "" : listed[in.range(0, static_cast<int32_t>(listed.size()) - 1)].string();
            // A program file may hold any value; a template may only bring
            // values within 0..1.
            constexpr int32_t kValues = paramIndex(ParamId::MpbDownB) - paramIndex(ParamId::MtC) + 1;
            float before[kValues];
            for (int32_t i = 0; i < kValues; ++i)
                before[i] = k.getParameter(paramIndex(ParamId::MtC) + i);
            s.chooseTemplate(save ? 6 : in.range(1, 5));
            for (int32_t i = 0; i < kValues; ++i)
            {
                const float v = k.getParameter(paramIndex(ParamId::MtC) + i);
                FUZZ_CHECK(std::memcmp(&v, &before[i], 4) == 0 || (std::isfinite(v) && v >= 0.f && v <= 1.f),
                           "a template set value %d to %g", paramIndex(ParamId::MtC) + i, static_cast<double>(v));
            }
            s.dialogs.answer.clear();
            // The page stays: every page change renders the panels anew, which
            // would cost more than all the rest; the next input opens PRESETS.
            s.h.idle();
            break;
        }
        default: // switch programs
            k.setProgram(in.range(0, 63));
            s.h.idle();
            break;
        }
    }

    FUZZ_CHECK(snapshotOf(outside) == outsideBefore, "a file outside the presets folder changed");
    Snapshot top;
    for (const auto& e : fs::directory_iterator(root(), ignored))
        top[e.path().filename().string()] = "";
    FUZZ_CHECK(top.size() == 3 && top.count("presets") && top.count("outside") && top.count("beside.vnp"),
               "something was made or removed beside the presets folder (%zu entries)", top.size());
    checkAllTexts(s.h.host);
    return 0;
}
