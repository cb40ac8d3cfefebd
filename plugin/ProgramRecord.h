#pragma once
// The program record and the bank image: at once the in-memory programs, the
// host's chunks and the contents of .vnp/.vnb files. Layouts are persisted
// byte for byte (little-endian x86-64), so every offset is pinned below.
#include <cstddef>
#include <cstdint>

#include "common/ParamId.h"

constexpr int kNumPrograms = 64;
constexpr int kProgramNameChars = 24; // characters a name may hold, terminator extra
constexpr int kPathFieldBytes = 1024;
constexpr uint8_t kRecordVersion = 2;
constexpr uint8_t kOldRecordVersion = 1;

struct ProgramRecord
{
    uint8_t version;
    uint8_t unused[3];
    float values[kParamCount];
    char path[kPathFieldBytes];
    char name[28]; // at most 24 characters; byte 24 is the terminator
};

struct BankImage
{
    ProgramRecord programs[kNumPrograms];
    char bankPath[kPathFieldBytes];
};

constexpr int kProgramRecordBytes = 1500;
constexpr int kBankImageBytes = 97024;

static_assert(sizeof(ProgramRecord) == kProgramRecordBytes, "program record is 1,500 bytes");
static_assert(offsetof(ProgramRecord, values) == 4, "values start at byte 4");
static_assert(offsetof(ProgramRecord, path) == 448, "path text starts at byte 448");
static_assert(offsetof(ProgramRecord, name) == 1472, "name starts at byte 1,472");
static_assert(sizeof(BankImage) == kBankImageBytes, "bank image is 97,024 bytes");
static_assert(offsetof(BankImage, bankPath) == 96000, "bank path starts at byte 96,000");
static_assert(sizeof(float) == 4 && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "records are stored as little-endian IEEE singles");
