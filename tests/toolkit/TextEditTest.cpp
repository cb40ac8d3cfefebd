// In-place text editing: focus, typing and the commit rule.

#include "Recorders.h"

#include "toolkit/CTextEdit.h"
#include "toolkit/HeadlessPlatformFrame.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

struct TextEditing : ::testing::Test
{
    Log log;
    RecordingEditor editor{log};
    RecordingListener listener{log};
    HeadlessFrame frame{&editor};
    CTextEdit* edit = new CTextEdit(CRect(10, 10, 110, 30), &listener, 112, "Init");
    void SetUp() override
    {
        frame->addView(edit);
        log.clear();
    }
    CPoint point;
    void click(CCoord x, CCoord y)
    {
        frame->onMouseDown(point = CPoint(x, y), kLButton);
        frame->onMouseUp(point, kLButton);
    }
    void keys(std::initializer_list<int32_t> characters, unsigned char virt = 0)
    {
        for (int32_t c : characters)
        {
            VstKeyCode k;
            k.character = c;
            k.virt = virt;
            frame->onKeyDown(k);
        }
    }
    void key(unsigned char virt) { keys({0}, virt); }
};

// (Return commits in the X11 typing test.)
TEST_F(TextEditing, ClickingElsewhereCommitsOnceAndEscapeOrNoChangeCommitsNothing)
{
    auto* platform = static_cast<HeadlessPlatformFrame*>(frame->getPlatformFrame());
    click(20, 20);
    EXPECT_EQ(frame->getFocusView(), edit);
    EXPECT_TRUE(platform->hasKeyboardFocus());
    key(VKEY_BACK);
    keys({'t', '!'});
    EXPECT_EQ(edit->getEditText(), "Init!");
    EXPECT_STREQ(edit->getText(), "Init"); // nothing committed yet
    EXPECT_TRUE(log.empty());
    click(150, 50);
    EXPECT_FALSE(edit->isEditing());
    EXPECT_FALSE(platform->hasKeyboardFocus());
    EXPECT_STREQ(edit->getText(), "Init!");
    EXPECT_EQ(log, (Log{"listener begin", "host begin 112", "valueChanged 112", "host end 112", "listener end"}));
    log.clear();
    // However editing ends, committing or not, the host gets the keyboard back.
    click(20, 20);
    keys({'x'});
    key(VKEY_ESCAPE);
    EXPECT_STREQ(edit->getText(), "Init!");
    EXPECT_FALSE(platform->hasKeyboardFocus());
    click(20, 20);
    key(VKEY_RETURN);
    EXPECT_FALSE(platform->hasKeyboardFocus());
    click(20, 20);
    keys({'x'});
    key(VKEY_BACK);
    click(150, 50);
    EXPECT_FALSE(platform->hasKeyboardFocus());
    EXPECT_TRUE(log.empty());
}

TEST_F(TextEditing, KeysWithoutFocusAreNotUsedAndLengthIsBounded)
{
    VstKeyCode k;
    k.character = 'a';
    EXPECT_EQ(frame->onKeyDown(k), -1);
    edit->setMaxLength(6);
    click(20, 20);
    keys({'z', 'z', 'z', 'z'});
    EXPECT_EQ(edit->getEditText(), "Initzz");
    keys({0x00E9}); // e acute, two bytes in UTF-8: would exceed the limit
    EXPECT_EQ(edit->getEditText(), "Initzz");
    key(VKEY_BACK);
    key(VKEY_BACK);
    keys({0x00E9});
    key(VKEY_LEFT);
    key(VKEY_DELETE);
    EXPECT_EQ(edit->getEditText(), "Init");
}
