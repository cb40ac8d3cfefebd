// In-place text editing: focus, typing and the commit rule.

#include "Recorders.h"

#include "toolkit/CTextEdit.h"

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
    void click(CCoord x, CCoord y)
    {
        CPoint p(x, y);
        frame->onMouseDown(p, kLButton);
        frame->onMouseUp(p, kLButton);
    }
    void key(int32_t character, unsigned char virt = 0)
    {
        VstKeyCode k;
        k.character = character;
        k.virt = virt;
        frame->onKeyDown(k);
    }
};

TEST_F(TextEditing, TypingThenClickingElsewhereCommitsOnce)
{
    click(20, 20);
    EXPECT_TRUE(edit->isEditing());
    EXPECT_EQ(frame->getFocusView(), edit);
    key(0, VKEY_BACK);
    key('t');
    key('!');
    EXPECT_EQ(edit->getEditText(), "Init!");
    EXPECT_STREQ(edit->getText(), "Init"); // nothing committed yet
    EXPECT_TRUE(log.empty());
    click(150, 50);
    EXPECT_FALSE(edit->isEditing());
    EXPECT_STREQ(edit->getText(), "Init!");
    EXPECT_EQ(log, (Log{"listener begin", "host begin 112", "valueChanged 112", "host end 112", "listener end"}));
}

TEST_F(TextEditing, ReturnCommitsAndEscapeRestores)
{
    click(20, 20);
    key(0, VKEY_HOME);
    key('A');
    key(0, VKEY_RETURN);
    EXPECT_STREQ(edit->getText(), "AInit");
    EXPECT_EQ(frame->getFocusView(), nullptr);
    log.clear();
    click(20, 20);
    key('x');
    key(0, VKEY_ESCAPE);
    EXPECT_STREQ(edit->getText(), "AInit");
    EXPECT_TRUE(log.empty());
}

TEST_F(TextEditing, UnchangedTextCommitsNothing)
{
    click(20, 20);
    key('x');
    key(0, VKEY_BACK);
    click(150, 50);
    EXPECT_TRUE(log.empty());
}

TEST_F(TextEditing, KeysWithoutFocusAreNotUsedAndLengthIsBounded)
{
    VstKeyCode k;
    k.character = 'a';
    EXPECT_EQ(frame->onKeyDown(k), -1);
    edit->setMaxLength(6);
    click(20, 20);
    for (int i = 0; i < 10; ++i)
        key('z');
    EXPECT_EQ(edit->getEditText(), "Initzz");
    key(0x00E9); // e acute, two bytes in UTF-8: would exceed the limit
    EXPECT_EQ(edit->getEditText(), "Initzz");
    key(0, VKEY_BACK);
    key(0, VKEY_BACK);
    key(0x00E9);
    key(0, VKEY_LEFT);
    key(0, VKEY_DELETE);
    EXPECT_EQ(edit->getEditText(), "Init");
}
