#pragma once
#include <cstdint>
#include <unordered_map>

#include "controls/picture.h"

namespace dusk {

// The pictures drawn for one display scale, each found by the design picture it stands for. The
// look-up goes by content, so the copies that controls keep of a picture find it too.
class DetailedPictures {
public:
    void Add(const Picture& design, Picture detailed);
    // Null when the design picture has none (a picture composed or stretched at run time).
    const Picture* Find(const Picture& design) const;
    std::size_t Count() const { return byDesign_.size(); }

private:
    std::unordered_map<std::uint64_t, Picture> byDesign_;
};

}  // namespace dusk
