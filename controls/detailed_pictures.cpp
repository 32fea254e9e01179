#include "controls/detailed_pictures.h"

#include <span>
#include <utility>

namespace dusk {
namespace {

// FNV-1a over the size and every byte.
std::uint64_t ContentKey(const Picture& picture) {
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](std::uint64_t value) {
        hash ^= value;
        hash *= 1099511628211ull;
    };
    mix(std::uint64_t(picture.Width()));
    mix(std::uint64_t(picture.Height()));
    for (const std::uint8_t byte : picture.ColorBytes()) mix(byte);
    for (const std::uint8_t byte : picture.AlphaBytes()) mix(byte);
    return hash;
}

}  // namespace

void DetailedPictures::Add(const Picture& design, Picture detailed) {
    if (design.Empty() || detailed.Empty()) return;
    byDesign_.insert_or_assign(ContentKey(design), std::move(detailed));
}

const Picture* DetailedPictures::Find(const Picture& design) const {
    if (design.Empty() || byDesign_.empty()) return nullptr;
    const auto found = byDesign_.find(ContentKey(design));
    return found == byDesign_.end() ? nullptr : &found->second;
}

}  // namespace dusk
