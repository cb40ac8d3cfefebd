// What a Windows host sees when it loads Vantorel.dll: both entry points, the
// record, the identity, and a DLL that needs nothing beside itself.
#include <gtest/gtest.h>

#include "common/WideText.h"
#include "tests/support/TestHost.h"
#include "tools/ModuleLibrary.h"

#include <psapi.h>

#include <string>
#include <vector>

namespace {

TEST(WindowsModule, LoadsThroughLoadLibraryAndExportsBothEntryPoints)
{
    std::string error;
    void* library = openModuleLibrary(TestHost::modulePath(), error);
    ASSERT_NE(library, nullptr) << error;
    EXPECT_NE(findModuleSymbol(library, "VSTPluginMain"), nullptr);
    EXPECT_NE(findModuleSymbol(library, "main"), nullptr);
    // Nothing of the instrument's insides is exported.
    EXPECT_EQ(findModuleSymbol(library, "createVantorel"), nullptr);
    closeModuleLibrary(library);
}

TEST(WindowsModule, RecordAndIdentity)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    AEffect* fx = host.effect();
    EXPECT_EQ(fx->magic, 0x56737450);
    EXPECT_EQ(fx->uniqueID, 0x564E5432) << "'VNT2'";
    EXPECT_EQ(fx->numPrograms, 64);
    EXPECT_EQ(fx->numParams, 111);
    EXPECT_EQ(fx->numInputs, 0);
    EXPECT_EQ(fx->numOutputs, 2);
    EXPECT_EQ(fx->initialDelay, 0);
    EXPECT_EQ(fx->version, 1);
    EXPECT_EQ(fx->flags, effFlagsHasEditor | effFlagsIsSynth | effFlagsCanReplacing | effFlagsProgramChunks);
    EXPECT_EQ(host.module().effectName(), "Vantorel");
    EXPECT_EQ(host.module().vendorString(), "Orvik");
    EXPECT_EQ(host.module().productString(), "Vantorel v1.0.0");
    EXPECT_EQ(host.dispatch(effGetPlugCategory), 2) << "a synth";
    EXPECT_EQ(host.dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(host.module().canDo("receiveVstMidiEvent"), 1);
    EXPECT_EQ(host.module().parameterName(ParamId::HitPower), "Hit Power");
}

TEST(WindowsModule, NeedsNoRuntimeDllsBesideItself)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    // The C++ runtime, libgcc and winpthread are linked in: a host folder
    // without MinGW's DLLs must load the module.
    for (const wchar_t* name : {L"libstdc++-6.dll", L"libgcc_s_seh-1.dll", L"libwinpthread-1.dll"})
        EXPECT_EQ(GetModuleHandleW(name), nullptr) << utf8Text(name);
}

} // namespace
