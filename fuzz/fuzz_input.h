#pragma once
// What every fuzz target shares: the entry point libFuzzer calls, a reader that takes the
// input's bytes from the front, and a check that aborts, so a broken promise is reported like a
// crash.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::dusk::fuzz::CheckFailed(#condition, __FILE__, __LINE__))

namespace dusk::fuzz {

[[noreturn]] void CheckFailed(const char* condition, const char* file, int line);

// Past the end of the input every number reads as 0 and every text as empty.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

    bool Empty() const { return bytes_.empty(); }
    std::uint8_t Byte();
    std::uint16_t Uint16();
    std::uint32_t Uint32();
    std::uint64_t Uint64();
    // The next count bytes (all that are left with count npos) read as UTF-8, so seeds are
    // plain text files; a byte that starts no valid sequence stands for itself.
    std::wstring Text(std::size_t count = std::wstring::npos);

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace dusk::fuzz
