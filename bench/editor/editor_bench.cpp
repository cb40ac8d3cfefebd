// The editor's costs as a host meets them. Goals on the development machine:
// the first open (texture, relief, colour passes, every view drawn) within
// 100 ms, a theme-colour render within 15 ms, the idle redraw after one dial
// move within 2 ms.

#include "common/EditorRequests.h"
#include "editor/KelGui.h"
#include "plugin/Kelvane.h"
#include "plugin/PluginFactory.h"
#include "tools/HostModule.h"

#include <benchmark/benchmark.h>

namespace {

struct Instrument
{
    Instrument()
    {
        host.attach(createVantorel);
        host.open();
    }
    void openEditor()
    {
        host.dispatch(effEditOpen, 0, 0, nullptr);
        host.dispatch(effEditIdle);
    }
    void clickTab(double x)
    {
        VSTGUI::CFrame* frame = editor()->getFrame();
        VSTGUI::CPoint p(x, 60);
        frame->onMouseDown(p, VSTGUI::CButtonState(VSTGUI::kLButton));
        frame->onMouseUp(p, VSTGUI::CButtonState(VSTGUI::kLButton));
    }
    KelGui* editor()
    {
        return static_cast<KelGui*>(static_cast<Kelvane*>(AudioEffect::fromAeffect(host.effect()))->getEditor());
    }
    HostModule host;
};

// Registered first: the only open of the process that builds the texture.
void BM_FirstOpen(benchmark::State& state)
{
    Instrument instrument;
    for (auto _ : state)
    {
        instrument.openEditor();
        state.PauseTiming();
        instrument.host.dispatch(effEditClose);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstOpen)->Iterations(1)->Unit(benchmark::kMillisecond);

// Later opens reuse the texture: views, four colour passes, the first draw.
void BM_Open(benchmark::State& state)
{
    Instrument instrument;
    for (auto _ : state)
    {
        instrument.openEditor();
        state.PauseTiming();
        instrument.host.dispatch(effEditClose);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

void BM_ColourRender(benchmark::State& state)
{
    Instrument instrument;
    instrument.openEditor();
    float red = 0.f;
    for (auto _ : state)
    {
        red = red > 0.5f ? 0.1f : 0.9f;
        instrument.host.setParameter(paramIndex(ParamId::GuiRed), red);
    }
    instrument.host.dispatch(effEditClose);
}
BENCHMARK(BM_ColourRender)->Unit(benchmark::kMillisecond);

// A page opened from closed (one render) and closed again (another), then
// the window redrawn.
void BM_PageOpenAndClose(benchmark::State& state)
{
    Instrument instrument;
    instrument.openEditor();
    for (auto _ : state)
    {
        instrument.clickTab(600);
        instrument.host.dispatch(effEditIdle);
        instrument.clickTab(600);
        instrument.host.dispatch(effEditIdle);
    }
    instrument.host.dispatch(effEditClose);
}
BENCHMARK(BM_PageOpenAndClose)->Unit(benchmark::kMillisecond);

// Between two open pages: no render, the page area redrawn.
void BM_PageSwitch(benchmark::State& state)
{
    Instrument instrument;
    instrument.openEditor();
    instrument.clickTab(600);
    bool modulation = false;
    for (auto _ : state)
    {
        modulation = !modulation;
        instrument.clickTab(modulation ? 760 : 600);
        instrument.host.dispatch(effEditIdle);
    }
    instrument.host.dispatch(effEditClose);
}
BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMillisecond);

void BM_IdleAfterDialMove(benchmark::State& state)
{
    Instrument instrument;
    instrument.openEditor();
    float volume = 0.f;
    for (auto _ : state)
    {
        volume = volume > 0.5f ? 0.2f : 0.8f;
        instrument.host.setParameter(paramIndex(ParamId::Volume), volume);
        instrument.host.dispatch(effEditIdle);
    }
    instrument.host.dispatch(effEditClose);
}
BENCHMARK(BM_IdleAfterDialMove)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
