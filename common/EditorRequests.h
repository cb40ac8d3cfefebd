#pragma once
// Requests a host of our own (the `vantorel` tool, the tests) makes of the
// instrument's editor through effVendorSpecific: index kEditorRequest, value
// the request, ptr its text argument. The answer is 1 when done, else 0.
#include <cstdint>

constexpr int32_t kEditorRequest = 0x566E4564; // 'VnEd'

enum EditorRequest : intptr_t
{
    kEditorOpenPage = 1, // ptr: "presets", "microtuning", "modulation" or "effects"
    kEditorWritePng = 2, // ptr: the path of the PNG to write (the whole window)
    kEditorPresetsFolder = 3, // ptr: the folder the preset browser lists instead of the plug-in's
};
