// A host automating from another thread while the editor is open: the
// changes wait for the GUI thread's idle, nothing is drawn elsewhere, and
// the last value shows.
#include <gtest/gtest.h>

#include "controls/LCD_Display.h"
#include "tests/editor/EditorHost.h"

#include <atomic>
#include <mutex>
#include <set>
#include <thread>

namespace {

// A view that notes the threads it is drawn on.
class DrawProbe : public VSTGUI::CView
{
public:
    DrawProbe() : CView(VSTGUI::CRect(0, 0, 1024, 480)) { setMouseEnabled(false); }
    void draw(VSTGUI::CDrawContext*) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        threads.insert(std::this_thread::get_id());
        setDirty(false);
    }
    std::set<std::thread::id> seen()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return threads;
    }

private:
    std::mutex mutex;
    std::set<std::thread::id> threads;
};

class EditorThreads : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(h.ok());
        ASSERT_TRUE(h.open());
        probe = new DrawProbe;
        h.frame()->addView(probe);
    }
    void TearDown() override { h.close(); }

    EditorHost h;
    DrawProbe* probe = nullptr;
};

TEST_F(EditorThreads, ChangesFromAnotherThreadWaitForIdle)
{
    h.idle();
    const int renders = h.gui->getPanelRenderCount();
    std::thread automation([this] {
        for (int i = 0; i <= 100; ++i)
        {
            h.host.setParameter(paramIndex(ParamId::Volume), i / 100.f);
            h.host.setParameter(paramIndex(ParamId::GuiBlue), i / 200.f);
        }
        h.host.setProgram(0);
    });
    automation.join();
    EXPECT_EQ(h.gui->getPanelRenderCount(), renders) << "no background rendered off the GUI thread";
    EXPECT_FLOAT_EQ(h.gui->getControl(1)->getValue(), 0.5f) << "no view touched off the GUI thread";
    h.idle();
    // One render for the blue that won, the read-outs of a program change.
    EXPECT_EQ(h.gui->getPanelRenderCount(), renders + 1);
    EXPECT_FLOAT_EQ(h.gui->getControl(1)->getValue(), 1.f);
    EXPECT_EQ(h.gui->getThemeColour().blue, 127);
    EXPECT_STREQ(h.gui->getReadout(4)->getText(), "stereo:0.000");
}

TEST_F(EditorThreads, AutomationWhileIdlingDrawsOnlyOnTheGuiThread)
{
    std::atomic<bool> done{false};
    std::thread automation([this, &done] {
        for (int i = 0; i < 2000; ++i)
        {
            h.host.setParameter(i % kParamCount, (i % 97) / 96.f);
            if (i % 50 == 0)
            {
                // The MIDI lamp is lit from the audio thread.
                VstMidiEvent note{};
                note.type = kVstMidiType;
                note.byteSize = sizeof note;
                note.midiData[0] = static_cast<char>(0x90);
                note.midiData[1] = 60;
                note.midiData[2] = 100;
                h.host.sendMidi({note});
                float left[64], right[64];
                h.host.processReplacing(left, right, 64);
            }
        }
        for (int i = 0; i < kParamCount; ++i)
            h.host.setParameter(i, 0.25f);
        done = true;
    });
    while (!done)
        h.idle();
    automation.join();
    h.idle();
    EXPECT_EQ(probe->seen(), std::set<std::thread::id>{std::this_thread::get_id()});
    EXPECT_FLOAT_EQ(h.gui->getControl(1)->getValue(), 0.25f) << "the last value wins";
    EXPECT_FLOAT_EQ(h.gui->getControl(paramIndex(ParamId::BodyTrRate))->getValue(), 0.25f);
    EXPECT_EQ(h.gui->getThemeColour().red, 63);
}

} // namespace
