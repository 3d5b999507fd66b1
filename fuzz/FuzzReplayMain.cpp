// Runs a fuzz target on saved inputs instead of libFuzzer: every regular
// file of each folder given (in name order) and every file given, so that
// CTest replays the inputs that once failed in every build, gcc included.
// Fails when it finds no input at all, which means a wrong path.
#include "FuzzTarget.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

// Defined only by the targets that need a setup.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

// The files named by `path`: itself, or the regular files in it.
std::vector<fs::path> InputsAt(const fs::path& path) {
    std::error_code error;
    if (!fs::is_directory(path, error))
        return fs::is_regular_file(path, error) ? std::vector<fs::path>{path}
                                                : std::vector<fs::path>{};
    std::vector<fs::path> inputs;
    for (const fs::directory_entry& entry : fs::directory_iterator(path, error))
        if (entry.is_regular_file(error))
            inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::vector<std::uint8_t> Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER-OR-FILE...\n", argv[0]);
        return 2;
    }
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::vector<fs::path> found = InputsAt(argv[i]);
        if (found.empty()) {
            std::fprintf(stderr, "%s: no input files\n", argv[i]);
            return 1;
        }
        inputs.insert(inputs.end(), found.begin(), found.end());
    }
    if (LLVMFuzzerInitialize != nullptr)
        LLVMFuzzerInitialize(&argc, &argv);
    for (const fs::path& input : inputs) {
        std::printf("%s\n", input.c_str());
        std::fflush(stdout); // named before it runs, in case it crashes
        const std::vector<std::uint8_t> data = Contents(input);
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
