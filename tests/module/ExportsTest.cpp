// The module exports its two entry points and nothing else a host could
// trip over.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "tests/support/TestHost.h"

TEST(Exports, BothEntryPointsResolveAndCreateInstances) {
    void* handle = dlopen(TestHost::modulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    for (const char* name : {"VSTPluginMain", "main"}) {
        void* symbol = dlsym(handle, name);
        ASSERT_NE(symbol, nullptr) << name;
        HostModule host;
        host.attach(reinterpret_cast<VstEntryProc>(symbol));
        AEffect* fx = host.open();
        ASSERT_NE(fx, nullptr) << name;
        EXPECT_EQ(fx->uniqueID, 0x564E5432);
        host.close();
    }
    EXPECT_EQ(dlsym(handle, "createVantorel"), nullptr);
    dlclose(handle);
}
