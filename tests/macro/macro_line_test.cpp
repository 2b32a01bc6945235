#include "macro/macro_line.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

using Kind = MacroEvent::Kind;

TEST(MacroLine, EventsAreWrittenInTheLineGrammar) {
    EXPECT_EQ(formatMacroLine(MacroEvent::press("A")), "A   Dn");
    EXPECT_EQ(formatMacroLine(MacroEvent::release("Right Ctrl")), "Right Ctrl   Up");
    EXPECT_EQ(formatMacroLine(MacroEvent::delay(50)), "50 ms");
    EXPECT_EQ(formatMacroLine(MacroEvent::delay(-7)), "-7 ms");
    EXPECT_EQ(formatMacroLine(MacroEvent{}), "");
}

TEST(MacroLine, LinesAreReadAsTheEncoderReadsThem) {
    struct Case {
        const char* line;
        Kind kind;
        const char* keyName;
        int delayMs;
    };
    const Case cases[] = {
        {"A   Dn", Kind::Press, "A", 0},
        {"Num 5   Up", Kind::Release, "Num 5", 0},
        {"L-Button   Dn", Kind::Press, "L-Button", 0},
        {"A   Up   Dn", Kind::Press, "A   Up", 0}, // both marks: a press keeping the other mark
        {"A   Dn   Dn", Kind::Press, "A", 0},      // every copy of the mark goes
        {"   Dn", Kind::Press, "", 0},             // a press of no name (encodes as code 0)
        {"A  Dn", Kind::Other, "", 0},             // two blanks are no mark
        {"50 ms", Kind::Delay, "", 50},
        {"  +1500 ms", Kind::Delay, "", 1500},
        {"-10 ms", Kind::Delay, "", -10},
        {" ms12", Kind::Delay, "", 12},                  // every " ms" is taken out first
        {"ms", Kind::Delay, "", 0},                      // a delay line without a number
        {"99999999999 ms", Kind::Delay, "", 2147483647}, // clamped, never overflows
        {"soon", Kind::Other, "", 0},
        {"", Kind::Other, "", 0},
    };
    for (const Case& c : cases) {
        const MacroEvent event = parseMacroLine(c.line);
        EXPECT_EQ(event.kind, c.kind) << c.line;
        EXPECT_EQ(event.keyName, c.keyName) << c.line;
        EXPECT_EQ(event.delayMs, c.delayMs) << c.line;
    }
}

TEST(MacroLine, WrittenLinesReadBackAsTheSameEvent) {
    for (const MacroEvent& written :
         {MacroEvent::press("Enter"), MacroEvent::release("M-Button"), MacroEvent::delay(10000)}) {
        const MacroEvent read = parseMacroLine(formatMacroLine(written));
        EXPECT_EQ(read.kind, written.kind);
        EXPECT_EQ(read.keyName, written.keyName);
        EXPECT_EQ(read.delayMs, written.delayMs);
    }
}

TEST(MacroLine, AnyLineGivesTheEventBeforeItADelay) {
    EXPECT_EQ(delayAfterEvent("20 ms"), 20);
    EXPECT_EQ(delayAfterEvent("A   Dn"), 0);
    EXPECT_EQ(delayAfterEvent("1   Dn"), 1) << "the leading number of whatever line follows";
    EXPECT_EQ(delayAfterEvent(""), 0);
}

TEST(MacroLine, DelayLinesInTheEditorsSenseHoldMs) {
    EXPECT_TRUE(isDelayLine("50 ms"));
    EXPECT_TRUE(isDelayLine("xms"));
    EXPECT_FALSE(isDelayLine("A   Dn"));
    EXPECT_FALSE(isDelayLine("M s"));
}

} // namespace
} // namespace q417
