// The base classes' opcode decoding, seen from a host: which argument carries
// what, default answers, and the editor forwarding the instrument will use.
#include <gtest/gtest.h>

#include <cstdio>

#include "vst2/AudioEffectX.h"

namespace {

struct Seen {
    int32_t program = -1, block = 0, chunkSize = 0, knobMode = -1;
    int32_t keyChar = 0, keyVirt = 0, keyMod = 0;
    float rate = 0.f;
    int resumes = 0, suspends = 0;
    bool chunkWasPreset = false, editorOpen = false, idled = false, destroyed = false;
};

class ProbeEditor : public AEffEditor {
public:
    ProbeEditor(AudioEffect* fx, Seen& s) : AEffEditor(fx), seen(s) { rect = {0, 0, 480, 1024}; }
    bool getRect(ERect** r) override {
        *r = &rect;
        return true;
    }
    bool open(void* ptr) override {
        AEffEditor::open(ptr);
        return seen.editorOpen = true;
    }
    void close() override {
        AEffEditor::close();
        seen.editorOpen = false;
    }
    void idle() override { seen.idled = true; }
    bool onKeyDown(VstKeyCode& k) override {
        seen.keyChar = k.character;
        seen.keyVirt = k.virt;
        seen.keyMod = k.modifier;
        return true;
    }
    bool setKnobMode(int32_t mode) override {
        seen.knobMode = mode;
        return true;
    }
    ERect rect;
    Seen& seen;
};

class Probe : public AudioEffectX {
public:
    Probe(Seen& s, bool withEditor) : AudioEffectX(nullptr, 4, 3), seen(s) {
        if (withEditor) setEditor(new ProbeEditor(this, s));
    }
    ~Probe() override { seen.destroyed = true; }
    void setProgram(int32_t p) override { seen.program = p; }
    void setSampleRate(float r) override { seen.rate = r; }
    void setBlockSize(int32_t b) override { seen.block = b; }
    void resume() override { ++seen.resumes; }
    void suspend() override { ++seen.suspends; }
    void getParameterName(int32_t index, char* text) override { std::snprintf(text, 8, "P%d", index); }
    int32_t setChunk(void*, int32_t size, bool isPreset) override {
        seen.chunkWasPreset = isPreset;
        seen.chunkSize = size;
        return 1;
    }
    Seen& seen;
};

// A probe created as an entry point would, and closed (destroyed) by effClose.
class AudioEffectLayer : public ::testing::Test {
protected:
    void open(bool withEditor) {
        probe = new Probe(seen, withEditor);
        fx = probe->getAeffect();
    }
    void TearDown() override {
        ASSERT_NE(fx, nullptr);
        EXPECT_EQ(call(effClose), 1);
        EXPECT_TRUE(seen.destroyed);
    }
    intptr_t call(int32_t op, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0) {
        return fx->dispatcher(fx, op, index, value, ptr, opt);
    }
    Seen seen;
    Probe* probe = nullptr;
    AEffect* fx = nullptr;
};

TEST_F(AudioEffectLayer, RecordDefaultsAndArgumentsWhereTheSheetPutsThem) {
    open(false);
    EXPECT_EQ(fx->magic, kEffectMagic);
    EXPECT_EQ(fx->object, static_cast<AudioEffect*>(probe));
    EXPECT_EQ(fx->numPrograms, 4);
    EXPECT_EQ(fx->numParams, 3);
    EXPECT_EQ(fx->flags, effFlagsCanReplacing);
    call(effSetProgram, 9, 2);  // program in value, not index
    call(effSetProgram, 0, 4);  // out of range: ignored
    EXPECT_EQ(seen.program, 2);
    call(effSetSampleRate, 0, 0, nullptr, 96000.f);
    EXPECT_FLOAT_EQ(seen.rate, 96000.f);
    call(effSetBlockSize, 0, 256);
    EXPECT_EQ(seen.block, 256);
    call(effMainsChanged, 0, 1);
    call(effMainsChanged, 0, 0);
    EXPECT_EQ(seen.resumes, 1);
    EXPECT_EQ(seen.suspends, 1);
    char name[64] = {};
    call(effGetParamName, 2, 0, name);
    EXPECT_STREQ(name, "P2");
    unsigned char data[8] = {};
    EXPECT_EQ(call(effSetChunk, 1, 1500, data), 1);
    EXPECT_TRUE(seen.chunkWasPreset);
    EXPECT_EQ(seen.chunkSize, 1500);
    call(effSetChunk, 0, 97024, data);
    EXPECT_FALSE(seen.chunkWasPreset);
    EXPECT_EQ(call(effEditGetRect, 0, 0, nullptr), 0);
}

TEST_F(AudioEffectLayer, EditorOpcodesReachTheEditor) {
    open(true);
    EXPECT_TRUE(fx->flags & effFlagsHasEditor);
    ERect* rect = nullptr;
    EXPECT_EQ(call(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right - rect->left, 1024);
    EXPECT_EQ(rect->bottom - rect->top, 480);
    EXPECT_EQ(call(effEditOpen, 0, 0, reinterpret_cast<void*>(0x1234)), 1);
    EXPECT_TRUE(seen.editorOpen);
    EXPECT_TRUE(probe->getEditor()->isOpen());
    call(effEditIdle);
    EXPECT_TRUE(seen.idled);
    EXPECT_EQ(call(effEditKeyDown, 'k', VKEY_F1, nullptr, 9.f), 1);
    EXPECT_EQ(seen.keyChar, 'k');
    EXPECT_EQ(seen.keyVirt, VKEY_F1);
    EXPECT_EQ(seen.keyMod, MODIFIER_SHIFT | MODIFIER_CONTROL);  // a number, not float bits
    EXPECT_EQ(call(effSetEditKnobMode, 0, 2), 1);
    EXPECT_EQ(seen.knobMode, 2);
    call(effEditClose);
    EXPECT_FALSE(seen.editorOpen);
    EXPECT_FALSE(probe->getEditor()->isOpen());
    probe->setEditor(nullptr);
    EXPECT_FALSE(fx->flags & effFlagsHasEditor);
}

TEST_F(AudioEffectLayer, HostWrappersWithoutAHostAreHarmless) {
    open(false);
    EXPECT_EQ(probe->getTimeInfo(kVstTempoValid), nullptr);
    char cap[] = "sizeWindow";
    EXPECT_EQ(probe->canHostDo(cap), 0);
    EXPECT_FALSE(probe->sizeWindow(10, 10));
    EXPECT_FALSE(probe->updateDisplay());
    EXPECT_EQ(probe->getMasterVersion(), 1);
    probe->setParameterAutomated(0, 0.5f);
    float l[4] = {1, 1, 1, 1}, r[4] = {1, 1, 1, 1};
    float* outs[2] = {l, r};
    fx->processReplacing(fx, nullptr, outs, 4);
    EXPECT_EQ(l[3], 0.f);
    EXPECT_EQ(r[0], 0.f);
}

}  // namespace
