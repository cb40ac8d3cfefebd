// cairo and fontconfig keep process-wide font caches; release them when the
// tests end so that the leak checker sees only leaks of our own.

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

namespace {

class FontCacheRelease : public ::testing::Environment
{
public:
    void TearDown() override
    {
        cairo_debug_reset_static_data();
        FcFini();
    }
};

const ::testing::Environment* const registered = ::testing::AddGlobalTestEnvironment(new FontCacheRelease);

} // namespace
