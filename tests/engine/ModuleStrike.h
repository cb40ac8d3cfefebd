#pragma once

#include <functional>

#include "tests/engine/EngineFixture.h"
#include "tests/support/TestHost.h"

// One key struck on a fresh module instance at a host rate (set up by `prepare`
// after the settings), released after `hold` samples, `frames` samples in all.
inline StereoBuffer moduleStrike(const Settings& settings, int key, size_t hold, size_t frames,
                                 const std::function<void(TestHost&)>& prepare = {}, float rate = 48000.0f)
{
    TestHost::Options options;
    options.sampleRate = rate;
    TestHost host(options);
    EXPECT_TRUE(host.ok()) << host.error();
    for (const auto& [i, v] : settings)
        host.setParameter(i, v);
    if (prepare)
        prepare(host);
    host.noteOn(key, 100);
    StereoBuffer out = host.render(hold);
    host.noteOff(key);
    const StereoBuffer rest = host.render(frames - hold);
    out.left.insert(out.left.end(), rest.left.begin(), rest.left.end());
    out.right.insert(out.right.end(), rest.right.begin(), rest.right.end());
    return out;
}
