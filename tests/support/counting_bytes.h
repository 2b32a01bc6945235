#pragma once

#include <cstddef>
#include <cstdint>
#include <numeric>
#include <vector>

namespace q417::test {

// n bytes counting up from `first`, wrapping past 255: data whose every byte says where it stood.
inline std::vector<std::uint8_t> counting(std::size_t n, std::uint8_t first = 0) {
    std::vector<std::uint8_t> bytes(n);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

} // namespace q417::test
