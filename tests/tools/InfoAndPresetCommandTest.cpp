// The command-line host, run as a user runs it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "tests/module/InProcess.h"
#include "tests/module/RecordBytes.h"
#include "tests/module/TempDir.h"

namespace {

std::string run(const std::string& args, int* status = nullptr)
{
    std::string command = std::string(VANTOREL_TOOL) + " " + args + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {};
    std::string out;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        out.append(buf.data(), n);
    int rc = pclose(pipe);
    if (status)
        *status = rc;
    return out;
}

std::string moduleArg() { return std::string("--module ") + VANTOREL_MODULE; }

TEST(Cli, InfoListsIdentityParametersAndPrograms)
{
    int status = -1;
    std::string out = run("info --json " + moduleArg(), &status);
    ASSERT_EQ(status, 0) << out;
    nlohmann::json info = nlohmann::json::parse(out);
    EXPECT_EQ(info["effectName"], "Vantorel");
    EXPECT_EQ(info["uniqueIDText"], "VNT2");
    ASSERT_EQ(info["parameters"].size(), 111u);
    EXPECT_EQ(info["parameters"][39]["display"], "440.0");
    EXPECT_EQ(info["parameters"][25]["label"], "Hz");
    ASSERT_EQ(info["programs"].size(), 64u);
    EXPECT_EQ(info["programs"][0], "Init");
    EXPECT_NE(run("info " + moduleArg()).find("Parameters (111)"), std::string::npos);
}

TEST(Cli, PresetDumpOfSavedFiles)
{
    InProcessInstrument inst;
    ASSERT_NE(inst.plugin, nullptr);
    TempDir dir;
    inst.plugin->setProgram(4);
    nameProgram(inst.host, "Noisy");
    inst.plugin->setParameter(ParamId::SbDiffusion, 1.f);
    std::string program = dir.file("noisy.vnp"), bank = dir.file("all.vnb");
    inst.plugin->saveProgramFile(4, program.c_str());
    inst.plugin->saveBankFile(bank.c_str());

    int status = -1;
    nlohmann::json p = nlohmann::json::parse(run("preset dump " + program + " " + moduleArg(), &status));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(p["kind"], "program");
    EXPECT_EQ(p["program"]["name"], "Noisy");
    EXPECT_EQ(p["program"]["path"], program);
    ASSERT_EQ(p["program"]["parameters"].size(), 111u);
    EXPECT_FLOAT_EQ(p["program"]["parameters"][7]["value"].get<float>(), 0.9f);

    nlohmann::json b = nlohmann::json::parse(run("preset dump " + bank + " " + moduleArg(), &status));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(b["bankPath"], bank);
    ASSERT_EQ(b["programs"].size(), 64u);
    EXPECT_EQ(b["programs"][4]["name"], "Noisy");
    EXPECT_EQ(b["programs"][4]["parameters"][14]["name"], "NOISE Frq");
    EXPECT_EQ(b["programs"][5]["parameters"][14]["name"], "sB Frq.bottom");

    run("preset dump " + dir.file("missing.vnp"), &status);
    EXPECT_NE(status, 0);
}

TEST(Cli, PresetDumpReadsAtMostABank)
{
    // A file longer than any record (or a device that never ends) is read only
    // as far as a bank goes, and the dump says so.
    int status = -1;
    nlohmann::json z = nlohmann::json::parse(run("preset dump /dev/zero " + moduleArg(), &status));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(z["kind"], "bank");
    EXPECT_EQ(z["size"], 97024);
    EXPECT_EQ(z["longerThanRead"], true);

    TempDir dir;
    const std::string longProgram = dir.file("long.vnp");
    {
        std::vector<char> bytes(5000, 0);
        bytes[0] = 2;
        FILE* f = std::fopen(longProgram.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    nlohmann::json p = nlohmann::json::parse(run("preset dump " + longProgram + " " + moduleArg(), &status));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(p["kind"], "program");
    EXPECT_EQ(p["size"], 1500);
    EXPECT_EQ(p["longerThanRead"], true);
}

} // namespace
