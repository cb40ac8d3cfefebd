#pragma once
// The template menu's commands (tag 124): in NOTES mode the twelve tuning
// offsets, in PITCH BEND mode the 24 bend scales are reset, set from a
// built-in table, or loaded from and saved to a template file.
class KelGui;

// row 1..6 as the menu numbers its entries; other rows do nothing.
void runTemplateCommand(KelGui& editor, int row, bool pitchBendMode);
