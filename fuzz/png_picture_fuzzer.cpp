// The PNG decoder over arbitrary bytes: a decoded picture must have a size within the decoder's
// limit and exactly the pixel planes that size asks for, every byte of them readable.
#include <numeric>

#include "controls/picture.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = dusk::Picture::FromPng({data, size});
    if (!picture) return 0;
    const auto pixels = static_cast<std::size_t>(picture->Width()) * picture->Height();
    FUZZ_CHECK(picture->Width() >= 1 && picture->Width() <= 8192);
    FUZZ_CHECK(picture->Height() >= 1 && picture->Height() <= 8192);
    FUZZ_CHECK(picture->ColorBytes().size() == pixels * 3);
    FUZZ_CHECK(picture->AlphaBytes().size() == (picture->HasAlpha() ? pixels : 0));
    // Reading every byte lets the sanitizers see any plane shorter than it claims.
    const auto color = picture->ColorBytes();
    const auto alpha = picture->AlphaBytes();
    const unsigned sum = std::accumulate(color.begin(), color.end(), 0u) +
                         std::accumulate(alpha.begin(), alpha.end(), 0u);
    FUZZ_CHECK(sum <= 255u * pixels * 4);
    return 0;
}
