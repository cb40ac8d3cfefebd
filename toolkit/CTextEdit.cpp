#include "toolkit/CTextEdit.h"

#include "toolkit/CDrawContext.h"
#include "toolkit/CFrame.h"

namespace VSTGUI {

namespace {

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

size_t previousChar(const std::string& s, size_t pos)
{
    if (pos == 0)
        return 0;
    --pos;
    while (pos > 0 && isContinuation(s[pos]))
        --pos;
    return pos;
}

size_t nextChar(const std::string& s, size_t pos)
{
    if (pos >= s.size())
        return s.size();
    ++pos;
    while (pos < s.size() && isContinuation(s[pos]))
        ++pos;
    return pos;
}

std::string utf8Of(int32_t cp)
{
    std::string out;
    const auto u = static_cast<uint32_t>(cp);
    if (u < 0x80)
        out += static_cast<char>(u);
    else if (u < 0x800)
    {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
    else if (u < 0x10000)
    {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
    else if (u < 0x110000)
    {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
    return out;
}

} // namespace

CTextEdit::CTextEdit(const CRect& r, IControlListener* l, int32_t t, UTF8StringPtr txt, CBitmap* bg, const int32_t st)
    : CTextLabel(r, txt, bg, st), editBuffer(text)
{
    setListener(l);
    tag = t;
    setWantsFocus(true);
}

void CTextEdit::setText(UTF8StringPtr txt)
{
    CTextLabel::setText(txt);
    if (editingText)
    {
        editBuffer = text;
        caret = editBuffer.size();
    }
}

CMouseEventResult CTextEdit::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (buttons.isLeftButton())
    {
        if (!editingText)
            takeFocus();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    return kMouseEventNotHandled;
}

void CTextEdit::takeFocus()
{
    if (editingText)
        return;
    editingText = true;
    escaped = false;
    editBuffer = text;
    caret = editBuffer.size();
    if (CFrame* f = getFrame())
    {
        if (f->getFocusView() != this)
            f->setFocusView(this);
        if (f->getPlatformFrame())
            f->getPlatformFrame()->takeKeyboardFocus();
    }
    invalid();
}

void CTextEdit::looseFocus()
{
    if (!editingText)
        return;
    editingText = false;
    const std::string typed = escaped ? text : editBuffer;
    escaped = false;
    if (typed != text)
    {
        beginEdit();
        CTextLabel::setText(typed.c_str());
        valueChanged();
        endEdit();
    }
    editBuffer = text;
    if (CFrame* f = getFrame())
    {
        if (f->getFocusView() == this)
            f->setFocusView(nullptr);
        // Editing is over, whether it committed or not: the keyboard goes
        // back to the host so that its shortcuts work again.
        f->returnKeyboardFocus();
    }
    invalid();
}

int32_t CTextEdit::onKeyDown(VstKeyCode& key)
{
    if (!editingText)
        return -1;
    switch (key.virt)
    {
    case VKEY_RETURN:
    case VKEY_ENTER: looseFocus(); return 1;
    case VKEY_ESCAPE:
        escaped = true;
        looseFocus();
        return 1;
    case VKEY_BACK:
        if (caret > 0)
        {
            const size_t p = previousChar(editBuffer, caret);
            editBuffer.erase(p, caret - p);
            caret = p;
        }
        break;
    case VKEY_DELETE:
        if (caret < editBuffer.size())
            editBuffer.erase(caret, nextChar(editBuffer, caret) - caret);
        break;
    case VKEY_LEFT: caret = previousChar(editBuffer, caret); break;
    case VKEY_RIGHT: caret = nextChar(editBuffer, caret); break;
    case VKEY_HOME: caret = 0; break;
    case VKEY_END: caret = editBuffer.size(); break;
    default: {
        if (key.character < 32 || key.character == 127 || (key.modifier & MODIFIER_CONTROL))
            return -1;
        const std::string s = utf8Of(key.character);
        if (editBuffer.size() + s.size() > maxLength)
            return 1;
        editBuffer.insert(caret, s);
        caret += s.size();
        break;
    }
    }
    invalid();
    return 1;
}

void CTextEdit::draw(CDrawContext* context)
{
    if (!editingText)
    {
        CTextLabel::draw(context);
        return;
    }
    drawBack(context);
    drawText(context, editBuffer.c_str());
    // Caret: a 1-pixel bar after the typed text.
    context->setFont(font.get());
    const CCoord full = context->getStringWidth(editBuffer.c_str());
    const CCoord before = context->getStringWidth(editBuffer.substr(0, caret).c_str());
    CRect textRect(size);
    textRect.inset(textInset.x, textInset.y);
    CCoord x0 = textRect.left;
    if (horiTxtAlign == kCenterText)
        x0 = textRect.left + textRect.getWidth() / 2 - full / 2;
    else if (horiTxtAlign == kRightText)
        x0 = textRect.right - full;
    const CCoord x = x0 + before;
    const CCoord h = font ? font->getSize() : 12;
    const CCoord cy = textRect.top + textRect.getHeight() / 2;
    context->setDrawMode(kAliasing);
    context->setLineWidth(1);
    context->setFrameColor(fontColor);
    context->drawLine(CPoint(x, cy - h / 2), CPoint(x, cy + h / 2));
    setDirty(false);
}

} // namespace VSTGUI
