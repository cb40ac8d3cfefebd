#include "controls/KeyboardLayout.h"

namespace {

// The panel lays its keys out on a 23/24-unit grid scaled to 32/23.
const float kScale = 32.0f / 23.0f;
constexpr double kWhiteBottom = 479.0;
constexpr double kBlackLeft = kKeyboardLeft + 23.5; // A#, over the right of the lowest A
constexpr double kBlackWidth = 21.0;
constexpr int32_t kWhiteKeys = 29;
constexpr int32_t kBlackKeys = 21;
constexpr int32_t kWhiteUnits[7] = {23, 24, 23, 24, 23, 24, 23}; // A B C D E F G
constexpr int32_t kWhiteAdvance[7] = {2, 1, 2, 2, 1, 2, 2};
constexpr int32_t kBlackGapUnits[5] = {44, 26, 42, 26, 26}; // A# C# D# F# G#
constexpr int32_t kBlackAdvance[5] = {3, 2, 3, 2, 2};

std::array<KeyboardKey, kKeyboardTableSize> buildKeys()
{
    using VSTGUI::CRect;
    std::array<KeyboardKey, kKeyboardTableSize> keys{};
    double x = kKeyboardLeft;
    int32_t number = 1;
    for (int32_t i = 0; i < kWhiteKeys; ++i)
    {
        const double width = static_cast<double>(kScale * static_cast<float>(kWhiteUnits[i % 7]));
        keys[number - 1] = {CRect(x, kKeyboardTop, x + width, kWhiteBottom), number};
        x += width;
        number += kWhiteAdvance[i % 7];
    }
    x = kBlackLeft;
    number = 2;
    for (int32_t j = 0; j < kBlackKeys; ++j)
    {
        keys[number - 1] = {CRect(x, kKeyboardTop, x + kBlackWidth, kKeyboardBlackBottom), number};
        x += static_cast<double>(kScale * static_cast<float>(kBlackGapUnits[j % 5]));
        number += kBlackAdvance[j % 5];
    }
    return keys;
}

} // namespace

const std::array<KeyboardKey, kKeyboardTableSize>& keyboardKeys()
{
    static const std::array<KeyboardKey, kKeyboardTableSize> keys = buildKeys();
    return keys;
}
