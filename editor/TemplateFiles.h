#pragma once
// Template files: raw little-endian 32-bit floats, the stored parameter
// values in index order, no header. A notes template (".vmt") holds the
// twelve tuning values, 48 bytes; a pitch-bend template (".vmp") the twelve
// upward then the twelve downward bend scales, 96 bytes.
#include <cstddef>
#include <string>
#include <vector>

constexpr size_t kNotesTemplateValues = 12;
constexpr size_t kPitchBendTemplateValues = 24;

// The values a template file gives, at most count of them: a short file
// gives as many as it holds whole; values that are not finite give nothing
// (an empty slot), others are clamped to 0..1. False when it cannot be read.
struct TemplateValue
{
    bool present = false;
    float value = 0.f;
};
bool readTemplateFile(const std::string& path, size_t count, std::vector<TemplateValue>& values);

// Writes the values beside the file, then puts them in its place, so a
// write that fails part-way leaves any earlier file whole.
bool writeTemplateFile(const std::string& path, const std::vector<float>& values);
