#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

TEST(TextEncoding, Utf16RoundTripKeepsCharactersOutsideTheBasicPlane) {
    const std::string text = "a\xE4\xB8\xAD\xF0\x9F\x98\x80z"; // a, U+4E2D, U+1F600, z
    const std::string utf16 = encodeText(text, TextEncoding::Utf16LeBom);
    EXPECT_EQ(utf16, std::string("\xFF\xFE"
                                 "a\0\x2D\x4E\x3D\xD8\x00\xDE"
                                 "z\0",
                                 12));
    const DecodedText back = decodeText(utf16);
    EXPECT_EQ(back.encoding, TextEncoding::Utf16LeBom);
    EXPECT_EQ(back.utf8, text);
}

TEST(TextEncoding, MalformedInputBecomesReplacementCharacters) {
    // A lone surrogate in UTF-16, and a cut sequence and a stray continuation byte in UTF-8.
    EXPECT_EQ(decodeText(std::string("\xFF\xFE\x00\xD8x\0", 6)).utf8, "\xEF\xBF\xBDx");
    EXPECT_EQ(encodeText("\xE4\xB8", TextEncoding::Utf16LeNoBom), std::string("\xFD\xFF\xFD\xFF", 4));
    EXPECT_EQ(encodeText("\x80", TextEncoding::Utf16LeNoBom), std::string("\xFD\xFF", 2));
    // An odd trailing byte of a UTF-16 file is dropped, not read past.
    EXPECT_EQ(decodeText(std::string("\xFF\xFEk\0x", 5)).utf8, "k");
}

TEST(TextEncoding, PlainBytesPassThroughUntouched) {
    const std::string junk("\x00\x01\xFF\xC3\x28 [x]\n", 9);
    const DecodedText d = decodeText(junk);
    EXPECT_EQ(d.encoding, TextEncoding::Utf8);
    EXPECT_EQ(d.utf8, junk);
    EXPECT_EQ(encodeText(d.utf8, d.encoding), junk);
}

TEST(TextEncoding, TruncationNeverSplitsACharacter) {
    const std::string text = "ab\xE4\xB8\xAD\xE6\x96\x87";
    EXPECT_EQ(truncateUtf8(text, 3), "ab\xE4\xB8\xAD");
    EXPECT_EQ(truncateUtf8(text, 2), "ab");
    EXPECT_EQ(truncateUtf8(text, 100), text);
    EXPECT_EQ(truncateUtf8("", 5), "");
}

} // namespace
} // namespace q417
