#include "editor/BrowserList.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

BrowserList::BrowserList(const CRect& rows, double wheelReach, double boxWidth)
    : rowsArea(rows), reach(wheelReach), box(boxWidth)
{}

bool BrowserList::wheelReaches(const CPoint& p) const
{
    return p.x >= rowsArea.left && p.x < rowsArea.left + reach && p.y >= rowsArea.top && p.y < rowsArea.bottom;
}

CRect BrowserList::bar() const
{
    const double left = rowsArea.right + kBarGap;
    return CRect(left, rowsArea.top + 1, left + kBarWidth, rowsArea.top + 1 + kBarLength);
}

int BrowserList::rowAt(double y) const
{
    const double r = std::trunc((y - rowsArea.top + 3.0 - scroll) * 0.05);
    return r < 0 ? -1 : static_cast<int>(r);
}

CRect BrowserList::rowBox(int row) const
{
    const double top = rowTop(row) - 2.0;
    return CRect(rowsArea.left, top, rowsArea.left + box, top + 17.0);
}

double BrowserList::thumbScale(int rows) const { return kBarLength / (std::max(rows, 1) * kRowHeight); }

CRect BrowserList::thumb(int rows) const
{
    const CRect b = bar();
    const double height = std::min(thumbScale(rows) * kBarLength, kBarLength);
    const double top = b.top + (-scroll / (std::max(rows, 1) * kRowHeight)) * kBarLength;
    return CRect(b.left, top, b.right, std::min(top + height, b.bottom));
}

double BrowserList::lowestScroll(int rows) { return std::min(0.0, (kVisibleRows - rows) * kRowHeight); }

bool BrowserList::clampScroll(int rows)
{
    const double lowest = lowestScroll(rows);
    if (scroll < lowest)
    {
        scroll = lowest;
        return true;
    }
    if (scroll > 0)
    {
        scroll = 0;
        return true;
    }
    return false;
}

bool BrowserList::stepFling(int rows)
{
    if (fling == 0)
        return false;
    scroll += fling;
    if (clampScroll(rows))
    {
        fling = 0;
        return false;
    }
    fling *= 0.8;
    if (std::fabs(fling) < 0.1)
        fling = 0;
    return true;
}

void BrowserList::showRow(int row, int rows)
{
    scroll = 2 * kRowHeight - row * kRowHeight;
    clampScroll(rows);
}
