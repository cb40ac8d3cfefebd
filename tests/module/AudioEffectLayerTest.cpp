// The base classes' opcode decoding where the instrument itself cannot show
// it yet: the editor opcodes reach the editor. Everything else the
// dispatcher decodes is driven through the module in the other tests.
#include <gtest/gtest.h>

#include "vst2/AudioEffectX.h"

namespace {

class ProbeEditor : public AEffEditor
{
public:
    explicit ProbeEditor(AudioEffect* fx) : AEffEditor(fx) { rect = {0, 0, 480, 1024}; }
    bool getRect(ERect** r) override
    {
        *r = &rect;
        return true;
    }
    bool open(void* ptr) override
    {
        AEffEditor::open(ptr);
        return true;
    }
    bool onKeyDown(VstKeyCode& k) override
    {
        key = k;
        return true;
    }
    ERect rect;
    VstKeyCode key{};
};

class Probe : public AudioEffectX
{
public:
    explicit Probe(bool& gone) : AudioEffectX(nullptr, 4, 3), destroyed(gone) {}
    ~Probe() override { destroyed = true; }
    bool& destroyed;
};

// A probe created as an entry point would, and destroyed by effClose.
class AudioEffectLayer : public ::testing::Test
{
protected:
    void TearDown() override
    {
        EXPECT_EQ(call(effClose), 1);
        EXPECT_TRUE(destroyed);
    }
    intptr_t call(int32_t op, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0)
    {
        return fx->dispatcher(fx, op, index, value, ptr, opt);
    }
    bool destroyed = false;
    Probe* probe = new Probe(destroyed);
    AEffect* fx = probe->getAeffect();
};

TEST_F(AudioEffectLayer, EditorOpcodesReachTheEditor)
{
    auto* editor = new ProbeEditor(probe);
    probe->setEditor(editor);
    EXPECT_TRUE(fx->flags & effFlagsHasEditor);
    ERect* rect = nullptr;
    EXPECT_EQ(call(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right - rect->left, 1024);
    EXPECT_EQ(rect->bottom - rect->top, 480);
    EXPECT_EQ(call(effEditOpen, 0, 0, reinterpret_cast<void*>(0x1234)), 1);
    EXPECT_TRUE(editor->isOpen());
    EXPECT_EQ(call(effEditKeyDown, 'k', VKEY_F1, nullptr, 9.f), 1);
    EXPECT_EQ(editor->key.character, 'k');
    EXPECT_EQ(editor->key.virt, VKEY_F1);
    EXPECT_EQ(editor->key.modifier, MODIFIER_SHIFT | MODIFIER_CONTROL); // a number, not float bits
    call(effEditClose);
    EXPECT_FALSE(editor->isOpen());
    probe->setEditor(nullptr);
    EXPECT_FALSE(fx->flags & effFlagsHasEditor);
}

} // namespace
