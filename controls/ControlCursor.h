#pragma once
// Cursor changes go to the frame the view sits in; a detached view has none.

#include "toolkit/CFrame.h"
#include "toolkit/CView.h"

inline void setFrameCursor(const VSTGUI::CView& view, VSTGUI::CCursorType type)
{
    if (VSTGUI::CFrame* frame = view.getFrame())
        frame->setCursor(type);
}
