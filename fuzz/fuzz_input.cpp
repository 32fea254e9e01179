#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace dusk::fuzz {

void CheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

std::uint8_t FuzzInput::Byte() {
    if (bytes_.empty()) return 0;
    const std::uint8_t byte = bytes_.front();
    bytes_ = bytes_.subspan(1);
    return byte;
}

// Little-endian; each half is read in turn.
std::uint16_t FuzzInput::Uint16() {
    const std::uint16_t low = Byte();
    return static_cast<std::uint16_t>(low | Byte() << 8);
}

std::uint32_t FuzzInput::Uint32() {
    const std::uint32_t low = Uint16();
    return low | static_cast<std::uint32_t>(Uint16()) << 16;
}

std::uint64_t FuzzInput::Uint64() {
    const std::uint64_t low = Uint32();
    return low | static_cast<std::uint64_t>(Uint32()) << 32;
}

std::wstring FuzzInput::Text(std::size_t count) {
    const std::span<const std::uint8_t> bytes = bytes_.first(std::min(count, bytes_.size()));
    bytes_ = bytes_.subspan(bytes.size());
    std::wstring text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t lead = bytes[i];
        const std::size_t length = lead >= 0xF0 && lead < 0xF5   ? 4
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                                                 : 1;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (bytes[i + k] & 0xC0) == 0x80;
            code = code << 6 | (bytes[i + k] & 0x3F);
        }
        if (valid && code <= 0x10FFFF) {
            text += static_cast<wchar_t>(code);
            i += length;
        } else {
            text += static_cast<wchar_t>(lead);
            ++i;
        }
    }
    return text;
}

}  // namespace dusk::fuzz
