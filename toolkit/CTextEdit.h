#pragma once
// A text label the user can edit in place. A left click takes the keyboard
// focus; typing edits a copy of the text; Return (or any click in the frame,
// or focusing another view) commits: only a changed text runs
// beginEdit, setText, valueChanged, endEdit. Escape restores and ends.
// However editing ends, the keyboard is handed back to the host.

#include "toolkit/CTextLabel.h"

namespace VSTGUI {

class CTextEdit : public CTextLabel
{
public:
    CTextEdit(const CRect& size, IControlListener* listener, int32_t tag, UTF8StringPtr txt = nullptr,
              CBitmap* background = nullptr, const int32_t style = 0);

    void setText(UTF8StringPtr txt) override;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    int32_t onKeyDown(VstKeyCode& keyCode) override;
    void takeFocus() override;
    void looseFocus() override;

    bool isEditing() const { return editingText; }
    // Text as being typed (equals getText() when not editing).
    const std::string& getEditText() const { return editBuffer; }
    // Longest text accepted while typing, in bytes.
    void setMaxLength(size_t n) { maxLength = n; }

protected:
    std::string editBuffer;
    size_t caret = 0; // byte position in editBuffer
    size_t maxLength = 255;
    bool editingText = false;
    bool escaped = false;
};

} // namespace VSTGUI
