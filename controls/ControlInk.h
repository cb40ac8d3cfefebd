#pragma once
// The controls' fixed colours and fonts. Controls do not follow the theme
// colour: most of them draw in one translucent dark brown, the ink, so that
// the themed panel shows through like an LCD.

#include "toolkit/CColor.h"
#include "toolkit/CFontDesc.h"
#include "toolkit/SharedPointer.h"

#include <cstdint>

// The ink, RGB (30, 20, 10), at the given alpha.
constexpr VSTGUI::CColor inkColor(uint8_t alpha) { return VSTGUI::CColor(30, 20, 10, alpha); }

// Fonts are created with normal style; a bold face is asked of the draw
// context through setFont's style argument.
inline VSTGUI::SharedPointer<VSTGUI::CFontDesc> controlFont(const char* family, VSTGUI::CCoord size)
{
    return VSTGUI::makeOwned<VSTGUI::CFontDesc>(family, size, VSTGUI::kNormalFace);
}

inline VSTGUI::SharedPointer<VSTGUI::CFontDesc> arialFont(VSTGUI::CCoord size) { return controlFont("Arial", size); }
