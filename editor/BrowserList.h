#pragma once
// One of the preset browser's two lists: where it lies on the window, its
// entries, and how it scrolls. Rows are 20 pixels high and five show at a
// time; the scroll offset is 0 at the top and negative when scrolled down;
// a list thrown by a drag or the wheel keeps moving, slowing each frame,
// until it stops or meets an end.
#include "toolkit/CRect.h"

#include <string>
#include <vector>

struct BrowserEntry
{
    std::string name; // as shown
    std::string file; // the listed file's name; empty for rows of a bank
    std::string path; // the folder and the file; empty for rows of a bank
};

class BrowserList
{
public:
    static constexpr double kRowHeight = 20.0;
    static constexpr int kVisibleRows = 5;
    static constexpr size_t kMaxEntries = 1024;
    static constexpr double kBarWidth = 10.0, kBarGap = 4.0, kBarLength = 99.0;

    // rows: the rows' area; reach: how far right of its left edge the wheel
    // turns it; boxWidth: the highlight boxes' width.
    BrowserList(const VSTGUI::CRect& rows, double reach, double boxWidth);

    const VSTGUI::CRect& area() const { return rowsArea; }
    double boxWidth() const { return box; }
    bool contains(const VSTGUI::CPoint& p) const { return rowsArea.pointInside(p); }
    bool wheelReaches(const VSTGUI::CPoint& p) const;
    VSTGUI::CRect bar() const;
    bool barContains(const VSTGUI::CPoint& p) const { return bar().pointInside(p); }

    // The row under a pointer's y (rows reach 3 pixels above their text box).
    int rowAt(double y) const;
    // Top of a row's box as drawn now, and its text baseline.
    double rowTop(int row) const { return rowsArea.top + scroll + kRowHeight * row; }
    double baseline(int row) const { return rowTop(row) + 12.0; }
    VSTGUI::CRect rowBox(int row) const;

    // The scroll bar's thumb for a list of rows (the thumb never exceeds
    // the bar, and an empty list counts as one row).
    double thumbScale(int rows) const;
    VSTGUI::CRect thumb(int rows) const;

    // Scroll limits: from (5 - rows) rows up to 0, or 0 when all fit.
    static double lowestScroll(int rows);
    // Keeps the offset within its limits; true when it met one.
    bool clampScroll(int rows);
    // One frame of a throw: moves, slows (x 0.8, stopping below 0.1) and
    // stops at an end. True while still moving.
    bool stepFling(int rows);
    // Scrolls so that row shows as the third visible row where it can.
    void showRow(int row, int rows);
    void stop()
    {
        scroll = 0;
        fling = 0;
    }

    std::vector<BrowserEntry> entries;
    double scroll = 0;
    double fling = 0;

private:
    VSTGUI::CRect rowsArea;
    double reach;
    double box;
};
