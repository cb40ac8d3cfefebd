// Drawing cost of the lit controls. A frame at 60 Hz has 16.7 ms; a full
// redraw of every knob of the editor must fit well inside it.

#include "controls/Dial.h"
#include "controls/Display.h"

#include "toolkit/CFrame.h"
#include "toolkit/COffscreenContext.h"

#include <benchmark/benchmark.h>

using namespace VSTGUI;

namespace {

void BM_DialDraw(benchmark::State& state)
{
    const double size = static_cast<double>(state.range(0));
    auto context = COffscreenContext::create(size + 20, size + 20);
    Dial* dial = new Dial(CRect(10, 10, 10 + size, 10 + size), nullptr, 1, 1, 0, 0.01f);
    dial->setValue(0.37f);
    context->beginDraw();
    for (auto _ : state)
    {
        dial->draw(context);
        benchmark::ClobberMemory();
    }
    context->endDraw();
    dial->forget();
    state.SetLabel(std::to_string(static_cast<int>(size)) + " px dial");
}
BENCHMARK(BM_DialDraw)->Arg(30)->Arg(52)->Unit(benchmark::kMillisecond);

// The needle display: two lit needles of 20 x 120, one highlighted.
void BM_DisplayDraw(benchmark::State& state)
{
    auto context = COffscreenContext::create(1024, 480);
    Display* display = new Display(CRect(0, 300, 1024, 460));
    display->setNeedleA(55 + 917 * 0.3);
    display->setNeedleB(55 + 917 * 0.6);
    display->setHighlightedNeedle(1);
    context->beginDraw();
    for (auto _ : state)
    {
        display->draw(context);
        benchmark::ClobberMemory();
    }
    context->endDraw();
    display->forget();
}
BENCHMARK(BM_DisplayDraw)->Unit(benchmark::kMillisecond);

// Sixty knobs of the editor's sizes on a headless 1024 x 480 frame, all
// repainted at once (a theme change or the editor opening).
void BM_SixtyDialsFullRedraw(benchmark::State& state)
{
    CFrame* frame = new CFrame(CRect(0, 0, 1024, 480), nullptr);
    frame->open(nullptr);
    const double sizes[] = {25, 30, 30, 52};
    for (int i = 0; i < 60; ++i)
    {
        const double s = sizes[i % 4];
        const double left = 10 + (i % 15) * 66, top = 20 + (i / 15) * 110;
        auto* dial = new Dial(CRect(left, top, left + s, top + s), nullptr, i, 1, 0, 0.01f);
        dial->setValue(static_cast<float>(i) / 59.f);
        frame->addView(dial);
    }
    for (auto _ : state)
    {
        frame->invalid();
        frame->updateNow();
    }
    frame->close();
}
BENCHMARK(BM_SixtyDialsFullRedraw)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
