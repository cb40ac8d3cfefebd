// cairo and fontconfig keep their font caches for the life of the process in
// a form the leak checker cannot follow; a test program owns its process, so
// it frees them at the end.

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

const auto* const registered = ::testing::AddGlobalTestEnvironment(new FontCacheRelease);

} // namespace
