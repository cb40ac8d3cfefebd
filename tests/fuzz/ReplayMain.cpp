// Runs a fuzz target over files and folders of inputs without libFuzzer: the
// seed corpus and every input that once broke an invariant replay in the
// normal test suite (with the sanitizers of that build).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i)
    {
        std::error_code ec;
        if (fs::is_directory(argv[i], ec))
        {
            for (const auto& entry : fs::directory_iterator(argv[i]))
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
        }
        else if (fs::is_regular_file(argv[i], ec))
            inputs.push_back(argv[i]);
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& p : inputs)
    {
        std::ifstream in(p, std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s\n", p.c_str());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
