#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace q417 {

// How a text file was stored on disk, so that it can be written back the same way.
enum class TextEncoding {
    Utf8,         // no BOM; also any byte soup that is not recognisably UTF-16
    Utf8Bom,      // EF BB BF
    Utf16LeBom,   // FF FE
    Utf16LeNoBom, // no BOM, but the first line is plainly UTF-16LE (ASCII with zero high bytes)
};

struct DecodedText {
    std::string utf8; // UTF-16 is turned into UTF-8; UTF-8 bytes are passed through untouched
    TextEncoding encoding = TextEncoding::Utf8;
};

DecodedText decodeText(std::string_view fileBytes);
std::string encodeText(std::string_view utf8, TextEncoding encoding);

// The code point of the UTF-8 sequence at `i`, moving `i` past it; nothing for a malformed, overlong
// or surrogate sequence, of which the lead byte alone (the whole sequence when overlong) is consumed.
[[nodiscard]] std::optional<char32_t> decodeUtf8At(std::string_view s, std::size_t& i);

// Cuts a UTF-8 string to at most `maxChars` code points without splitting a sequence.
std::string truncateUtf8(std::string_view utf8, std::size_t maxChars);

} // namespace q417
