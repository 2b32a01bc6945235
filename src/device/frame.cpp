#include "device/frame.h"

#include "device/link_constants.h"

#include <bit>
#include <utility>

namespace q417 {

namespace {

constexpr std::array<std::pair<std::size_t, std::size_t>, 4> kSwappedPairs{{{0, 5}, {1, 4}, {2, 7}, {3, 6}}};
constexpr int kRotateBits = 3;

constexpr std::uint8_t nibbleSwapped(std::uint8_t m) {
    return static_cast<std::uint8_t>((m << 4) | (m >> 4));
}

void swapPairs(Frame& b) {
    for (const auto& [i, j] : kSwappedPairs) {
        std::swap(b[i], b[j]);
    }
}

void xorWithKey(Frame& b, const Frame& key) {
    for (std::size_t i = 1; i <= 6; ++i) {
        b[i] = static_cast<std::uint8_t>(b[i] ^ key[i]);
    }
}

std::uint64_t toWord(const Frame& b) {
    std::uint64_t word = 0;
    for (const std::uint8_t byte : b) {
        word = (word << 8) | byte;
    }
    return word;
}

void fromWord(Frame& b, std::uint64_t word) {
    for (std::size_t i = kFrameSize; i-- > 0;) {
        b[i] = static_cast<std::uint8_t>(word & 0xFF);
        word >>= 8;
    }
}

} // namespace

std::uint8_t frameChecksum(const Frame& frame) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < kFrameChecksumIndex; ++i) {
        sum += frame[i];
    }
    return static_cast<std::uint8_t>(0xFFu - (sum & 0xFFu));
}

void fillFrameChecksum(Frame& frame) {
    frame[kFrameChecksumIndex] = frameChecksum(frame);
}

Frame linkKey() {
    Frame key{};
    for (std::size_t i = 0; i < kLinkKeyBytes.size(); ++i) {
        key[i + 1] = kLinkKeyBytes[i];
    }
    return key;
}

void scrambleFrame(Frame& frame, const Frame& key) {
    swapPairs(frame);
    xorWithKey(frame, key);
    fromWord(frame, std::rotl(toWord(frame), kRotateBits));
    for (std::size_t i = 0; i < kFrameSize; ++i) {
        frame[i] = static_cast<std::uint8_t>(frame[i] + nibbleSwapped(kLinkMaskBytes[i]));
    }
}

void unscrambleFrame(Frame& frame, const Frame& key) {
    for (std::size_t i = 0; i < kFrameSize; ++i) {
        frame[i] = static_cast<std::uint8_t>(frame[i] - nibbleSwapped(kLinkMaskBytes[i]));
    }
    fromWord(frame, std::rotr(toWord(frame), kRotateBits));
    xorWithKey(frame, key);
    swapPairs(frame);
}

} // namespace q417
