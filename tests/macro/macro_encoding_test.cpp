#include "macro/macro_encoding.h"

#include <gtest/gtest.h>
#include <vector>

namespace q417 {
namespace {

MacroLines numbered(const std::vector<std::string>& lines) {
    MacroLines out;
    for (std::size_t j = 0; j < lines.size(); ++j) {
        out[static_cast<long long>(j)] = lines[j];
    }
    return out;
}

// The slot's event bytes up to the last non-zero one.
std::vector<std::uint8_t> encode(const std::vector<std::string>& lines) {
    MacroSlot slot{};
    encodeMacroEvents(numbered(lines), static_cast<long long>(lines.size()), slot);
    std::vector<std::uint8_t> bytes(slot.eventPairs.begin(), slot.eventPairs.end());
    while (!bytes.empty() && bytes.back() == 0) {
        bytes.pop_back();
    }
    return bytes;
}

TEST(MacroEncoding, EventsTakeTheDelayOfTheLineAfterThem) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"press, release, long delay, press",
         {"A   Dn", "50 ms", "A   Up", "1500 ms", "B   Dn"},
         {0x05, 0x04, 0x80, 0x04, 0x0F, 0x03, 0x00, 0x05}},
        {"longest short delay", {"A   Dn", "1270 ms"}, {0x7F, 0x04}},
        {"shortest long delay", {"A   Dn", "1271 ms"}, {0x47, 0x04, 0x0C, 0x03}},
        {"release then 2000 ms", {"A   Up", "2000 ms", "A   Dn"}, {0x80, 0x04, 0x14, 0x03, 0x00, 0x04}},
        {"two events in a row: the first gets 0", {"A   Dn", "B   Dn", "20 ms"}, {0x00, 0x04, 0x02, 0x05}},
        {"mouse buttons",
         {"L-Button   Dn", "10 ms", "R-Button   Up", "10 ms", "M-Button   Dn"},
         {0x01, 0xF0, 0x81, 0xF1, 0x00, 0xF2}},
        {"unknown key name encodes as code 0", {"Frobnicate   Dn", "30 ms", "A   Dn"}, {0x03, 0x00, 0x00, 0x04}},
        {"delay without digits is 0", {"Enter   Dn", "soon"}, {0x00, 0x28}},
        {"leading delay lines are ignored", {"100 ms", "A   Dn", "10 ms"}, {0x01, 0x04}},
        {"negative delay stays in seven bits", {"A   Dn", "-10 ms"}, {0x7F, 0x04}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encode(c.lines), c.bytes) << c.name;
    }
}

TEST(MacroEncoding, AnEncodingLongerThanTheSlotIsCutAfterTheLastWholeEvent) {
    std::vector<std::string> shortEvents(70, "A   Dn");
    EXPECT_EQ(encode(shortEvents).size(), 126U); // 63 pairs

    std::vector<std::string> longEvents;
    for (int i = 0; i < 40; ++i) {
        longEvents.insert(longEvents.end(), {"A   Dn", "5000 ms"});
    }
    // 31 long events fill 124 bytes; the 32nd would need 4 more than the 2 left.
    const auto bytes = encode(longEvents);
    ASSERT_EQ(bytes.size(), 124U);
    EXPECT_EQ(bytes[122], 0x32);
    EXPECT_EQ(bytes[123], 0x03);
}

TEST(MacroEncoding, RepeatCountIsKeptAndOldEventsCleared) {
    MacroSlot slot{};
    slot.setRepeats(300);
    slot.eventPairs.fill(0xEE);
    encodeMacroEvents(numbered({"A   Dn"}), 1, slot);
    EXPECT_EQ(slot.repeats(), 300);
    EXPECT_EQ(slot.eventPairs[1], 0x04);
    EXPECT_EQ(slot.eventPairs[2], 0x00);
    EXPECT_EQ(slot.eventPairs[125], 0x00);
}

TEST(MacroEncoding, LinesPastTheCountAreNotPartOfTheMacro) {
    MacroSlot slot{};
    encodeMacroEvents(numbered({"A   Dn", "500 ms", "B   Dn"}), 1, slot);
    EXPECT_EQ(slot.eventPairs[0], 0x00) << "the last line of the macro has delay 0";
    EXPECT_EQ(slot.eventPairs[2], 0x00) << "line 2 lies past the count";
}

} // namespace
} // namespace q417
