// The echo lines are replaced at every sample-rate change. Automation of the
// echo parameters from another thread at the same time, with the audio
// thread rendering, must never touch a line being freed (the sanitizer build
// watches every access) and never leave the output unbounded.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

#include "tests/support/TestHost.h"

namespace {

TEST(EchoRace, EchoAutomationDuringSampleRateChanges)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    AEffect* fx = host.effect();
    fx->setParameter(fx, paramIndex(ParamId::EchoWet), 0.5f);
    std::atomic<bool> stop{false}, bounded{true};
    std::atomic<long> automated{0}, rateChanges{0}, blocks{0};

    std::thread automation([&] {
        const ParamId echo[] = {ParamId::EchoLRate, ParamId::EchoRRate, ParamId::EchoSync};
        for (unsigned i = 0; !stop.load(); ++i)
        {
            fx->setParameter(fx, paramIndex(echo[i % 3]), static_cast<float>((i * 37u) % 101u) / 100.0f);
            automated.fetch_add(1);
        }
    });
    std::thread audio([&] {
        std::vector<float> left(256), right(256);
        float* outputs[2] = {left.data(), right.data()};
        for (unsigned i = 0; !stop.load(); ++i)
        {
            if (i % 64 == 0)
            {
                VstMidiEvent on{kVstMidiType, sizeof(VstMidiEvent), 0, 0, 0, 0, {char(0x90), 72, 100, 0}, 0, 0, 0, 0};
                VstEvents list{1, 0, {reinterpret_cast<VstEvent*>(&on), nullptr}};
                fx->dispatcher(fx, effProcessEvents, 0, 0, &list, 0.f);
            }
            fx->processReplacing(fx, nullptr, outputs, 256);
            for (size_t j = 0; j < left.size(); ++j)
                if (!(std::fabs(left[j]) < 4.f && std::fabs(right[j]) < 4.f))
                    bounded = false;
            blocks.fetch_add(1);
        }
    });
    // The host's user-interface thread: one rate change after another.
    const float rates[] = {44100.f, 48000.f, 96000.f, 22050.f};
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (int i = 0; std::chrono::steady_clock::now() < end; ++i)
    {
        fx->dispatcher(fx, effSetSampleRate, 0, 0, nullptr, rates[i % 4]);
        rateChanges.fetch_add(1);
    }
    stop = true;
    automation.join();
    audio.join();
    EXPECT_TRUE(bounded);
    EXPECT_GT(rateChanges.load(), 10);
    EXPECT_GT(automated.load(), 1000);
    EXPECT_GT(blocks.load(), 10);
}

} // namespace
