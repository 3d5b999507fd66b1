// Fuzzes the render pass: any settings, a small picture with padded rows and
// an area that may reach past it, rendered on one thread with the code for
// this processor and with the portable code. Both must leave the bytes of
// the plain sequential pass, report its progress positions, and never touch
// the padding.
#include "FuzzCheck.h"
#include "FuzzTarget.h"
#include "ReferencePass.h"
#include "RenderFuzzCase.h"
#include "render/PassGeometry.h"

#include <cstdio>
#include <vector>

using namespace kolvira;
using kolvira::fuzz::RenderFuzzCase;

namespace {

// Larger areas only take longer: the cells beyond 64 x 64 pixels are clipped.
constexpr long long kMostCells = 1 << 16;

struct PassResult {
    std::vector<PixelWord> pixels;
    std::vector<int> positions; // the progress reported, in order
};

// The pass as RenderPicture's result is defined: the plain sequential pass
// the render tests measure the fast one by.
PassResult SequentialPass(const RenderFuzzCase& c) {
    PassResult result{c.pixels, {}};
    PictureSurface picture = c.Surface(result.pixels);
    result.positions = test::ReferenceRenderPicture(picture, c.settings, c.area);
    return result;
}

PassResult RenderPass(const RenderFuzzCase& c, bool portableCode) {
    PassResult result{c.pixels, {}};
    PictureSurface picture = c.Surface(result.pixels);
    RenderOptions options;
    options.threads = 1;
    options.portableCode = portableCode;
    RenderPicture(
        picture, c.settings, c.area, [&](int percent) { result.positions.push_back(percent); },
        options);
    return result;
}

bool PaddingKept(const RenderFuzzCase& c, const std::vector<PixelWord>& pixels) {
    for (int y = 0; y < c.height; ++y)
        for (std::ptrdiff_t x = c.width; x < c.stride; ++x)
            if (pixels[y * c.stride + x] != fuzz::kPaddingWord)
                return false;
    return true;
}

void CheckPass(const RenderFuzzCase& c, const PassResult& pass, const PassResult& reference,
               const char* code) {
    const bool padding = PaddingKept(c, pass.pixels);
    const bool pixels = pass.pixels == reference.pixels;
    const bool progress = pass.positions == reference.positions;
    if (padding && pixels && progress)
        return;
    std::fprintf(stderr, "render pass with the %s code:\n", code);
    fuzz::PrintCase(stderr, c);
    KOLVIRA_FUZZ_CHECK(padding, "the pass writes only inside the picture");
    KOLVIRA_FUZZ_CHECK(pixels, "the pass leaves the bytes of the sequential pass");
    KOLVIRA_FUZZ_CHECK(progress, "the pass reports the sequential pass's progress positions");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzBytes bytes(data, size);
    const RenderFuzzCase c = fuzz::ReadRenderCase(bytes);
    if (MakePassGeometry(c.settings, c.area).cellCount() > kMostCells)
        return 0;
    // The passes under test first, so that a fault they share with the
    // sequential pass is reported in them.
    const PassResult native = RenderPass(c, false);
    const PassResult portable = RenderPass(c, true);
    const PassResult reference = SequentialPass(c);
    CheckPass(c, native, reference, "processor's");
    CheckPass(c, portable, reference, "portable");
    return 0;
}
