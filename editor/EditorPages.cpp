// The four pages of the page area: each has a tab, a state and a set of
// views; a sub-mode toggle chooses which group of a page shows. The first
// page to open renders the page area open; closing the open page renders
// it closed again.
#include "controls/LCDDial.h"
#include "controls/LCDSlider.h"
#include "controls/Trigger.h"
#include "controls/mt_Pulldown.h"
#include "editor/KelGui.h"

#include <cmath>

using namespace VSTGUI;

namespace {

template <size_t N>
void setGroupVisible(CView* const (&group)[N], bool visible)
{
    for (CView* v : group)
        if (v)
            v->setVisible(visible);
}

void setVisible(CView* v, bool visible)
{
    if (v)
        v->setVisible(visible);
}

// The group a three-way toggle chooses: 0 first, 1 second, others neither.
int groupOf(const Trigger* toggle) { return toggle ? static_cast<int>(3.f * toggle->getValue()) : 0; }

} // namespace

void KelGui::renderPageIfFirst(bool on)
{
    if (on && !pageOpen)
    {
        pageOpen = true;
        renderPanels(getThemeColour());
    }
}

void KelGui::showPresetsPage(bool on)
{
    pageState[kPresetsPage] = on;
    if (tabs[kPresetsPage])
        tabs[kPresetsPage]->setValue(on ? 1.f : 0.f);
    setVisible(browserView, on);
    renderPageIfFirst(on);
}

void KelGui::showMicrotuningPage(bool on)
{
    pageState[kMicrotuningPage] = on;
    if (tabs[kMicrotuningPage])
        tabs[kMicrotuningPage]->setValue(on ? 1.f : 0.f);
    for (CView* v : {static_cast<CView*>(notesPitchBend), static_cast<CView*>(shiftUp), static_cast<CView*>(shiftDown),
                     static_cast<CView*>(templateMenu)})
        setVisible(v, on);
    const bool pitchBend = notesPitchBend && notesPitchBend->getValue() != 0.f;
    for (int k = 0; k < kPitchClasses; ++k)
    {
        setVisible(notesFaders[k], on && !pitchBend);
        setVisible(bendUpFaders[k], on && pitchBend);
        setVisible(bendDownFaders[k], on && pitchBend);
    }
    setTemplateMenuMode(pitchBend);
    renderPageIfFirst(on);
}

void KelGui::showModulationPage(bool on)
{
    pageState[kModulationPage] = on;
    if (tabs[kModulationPage])
        tabs[kModulationPage]->setValue(on ? 1.f : 0.f);
    setVisible(lfoEnv, on);
    switch (groupOf(lfoEnv))
    {
    case 0:
        setGroupVisible(lfoGroup, on);
        setGroupVisible(envGroup, false);
        break;
    case 1:
        setGroupVisible(envGroup, on);
        setGroupVisible(lfoGroup, false);
        break;
    default: break;
    }
    renderPageIfFirst(on);
}

void KelGui::showEffectsPage(bool on)
{
    pageState[kEffectsPage] = on;
    if (tabs[kEffectsPage])
        tabs[kEffectsPage]->setValue(on ? 1.f : 0.f);
    setVisible(delaySand, on);
    switch (groupOf(delaySand))
    {
    case 0:
        setGroupVisible(delayGroup, on);
        setGroupVisible(sandGroup, false);
        break;
    case 1:
        setGroupVisible(sandGroup, on);
        setGroupVisible(delayGroup, false);
        break;
    default: break;
    }
    renderPageIfFirst(on);
}

void KelGui::showPage(Page page, bool on)
{
    switch (page)
    {
    case kPresetsPage: showPresetsPage(on); break;
    case kMicrotuningPage: showMicrotuningPage(on); break;
    case kModulationPage: showModulationPage(on); break;
    case kEffectsPage: showEffectsPage(on); break;
    default: break;
    }
}

void KelGui::tabClicked(Page page)
{
    if (!frame)
        return;
    if (pageState[page])
    {
        // The open page's tab closes it: the page area goes back to its grille.
        showPage(page, false);
        pageOpen = false;
        renderPanels(getThemeColour());
        frame->invalid();
        return;
    }
    if (page == kPresetsPage)
        browser->wantListRefresh();
    showPage(page, true);
    for (int other = 0; other < kPageCount; ++other)
        if (other != page)
            showPage(static_cast<Page>(other), false);
    frame->invalid();
}

// The menu's items follow the mode: in PITCH BEND mode the templates shape
// the bend scales, in NOTES mode the tuning.
void KelGui::setTemplateMenuMode(bool pitchBend)
{
    templateMenuPitchBend = pitchBend;
    if (templateMenu)
    {
        templateMenu->setPitchBend(pitchBend);
        templateMenu->invalid();
    }
}
