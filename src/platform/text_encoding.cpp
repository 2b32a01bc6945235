#include "platform/text_encoding.h"

#include <algorithm>
#include <cstdint>

namespace q417 {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void appendUtf16Le(std::string& out, char32_t cp) {
    const auto unit = [&out](std::uint32_t u) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>((u >> 8) & 0xFF));
    };
    if (cp >= 0x10000) {
        const std::uint32_t v = cp - 0x10000;
        unit(0xD800 + (v >> 10));
        unit(0xDC00 + (v & 0x3FF));
    } else {
        unit(cp);
    }
}

// Malformed input reads as U+FFFD.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    return decodeUtf8At(s, i).value_or(kReplacement);
}

} // namespace

std::optional<char32_t> decodeUtf8At(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1Fu;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0Fu;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07u;
    } else {
        ++i;
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size()) {
        ++i;
        return std::nullopt;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        cp = (cp << 6) | (b & 0x3Fu);
    }
    i += static_cast<std::size_t>(extra) + 1;
    const bool overlong = (extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return std::nullopt;
    }
    return cp;
}

namespace {

std::string utf16LeToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [&bytes](std::size_t k) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * k])) |
               (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * k + 1])) << 8);
    };
    for (std::size_t k = 0; k < units; ++k) {
        const std::uint32_t u = unitAt(k);
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units && unitAt(k + 1) >= 0xDC00 && unitAt(k + 1) <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unitAt(k + 1) - 0xDC00));
            ++k;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

// A BOM-less UTF-16LE file written by a Windows tool: it starts with an ASCII character (a
// bracket, a comment, a key) and most of its characters have a zero high byte. Its length may be
// odd (a byte appended by a tool that knows only bytes): it is UTF-16 all the same, and the odd
// byte is dropped when it is read rather than the whole file being taken for UTF-8.
bool looksLikeUtf16LeWithoutBom(std::string_view bytes) {
    if (bytes.size() < 4 || bytes[0] == 0 || bytes[1] != 0) {
        return false;
    }
    const std::size_t pairs = std::min<std::size_t>(bytes.size(), 256) / 2;
    std::size_t zeroHighBytes = 0;
    for (std::size_t k = 0; k < pairs; ++k) {
        if (bytes[2 * k + 1] == 0) {
            ++zeroHighBytes;
        }
    }
    return zeroHighBytes * 4 >= pairs * 3;
}

} // namespace

DecodedText decodeText(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        return {utf16LeToUtf8(bytes.substr(2)), TextEncoding::Utf16LeBom};
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        return {std::string(bytes.substr(3)), TextEncoding::Utf8Bom};
    }
    if (looksLikeUtf16LeWithoutBom(bytes)) {
        return {utf16LeToUtf8(bytes), TextEncoding::Utf16LeNoBom};
    }
    return {std::string(bytes), TextEncoding::Utf8};
}

std::string encodeText(std::string_view utf8, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        // Text full of NUL bytes could be taken for UTF-16 when read back; a BOM settles it.
        return looksLikeUtf16LeWithoutBom(utf8) ? "\xEF\xBB\xBF" + std::string(utf8) : std::string(utf8);
    case TextEncoding::Utf8Bom:
        return "\xEF\xBB\xBF" + std::string(utf8);
    case TextEncoding::Utf16LeBom:
    case TextEncoding::Utf16LeNoBom:
        break;
    }
    std::string out;
    out.reserve(utf8.size() * 2 + 2);
    if (encoding == TextEncoding::Utf16LeBom) {
        out = "\xFF\xFE";
    }
    for (std::size_t i = 0; i < utf8.size();) {
        appendUtf16Le(out, nextCodePoint(utf8, i));
    }
    return out;
}

std::string truncateUtf8(std::string_view utf8, std::size_t maxChars) {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < utf8.size() && chars < maxChars; ++chars) {
        nextCodePoint(utf8, i);
    }
    return std::string(utf8.substr(0, i));
}

} // namespace q417
