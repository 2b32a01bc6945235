#include "assign/fire_key_fields.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

TEST(FireKeyFields, TextsReadAsDecimalNumbers) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"", 0}, {"abc", 0}, {"32", 32}, {"007", 7}, {"12abc", 12}, {"  42", 42}, {"-3", -3}, {"+9", 9}, {"- 3", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readFieldNumber(c.text), c.value) << '"' << c.text << '"';
    }
    // A digit run too long for any integer still reads as too large, never as a wrapped value.
    EXPECT_GT(readFieldNumber("99999999999999999999999999"), kFireFieldMax);
}

TEST(FireKeyFields, SpeedOutside5To255FallsBackTo5) {
    struct Case {
        const char* text = nullptr;
        FireFieldValue checked;
    };
    const Case cases[] = {
        {"5", {5, false}},          {"32", {32, false}}, {"255", {255, false}}, {"4", {5, true}},   {"3", {5, true}},
        {"0", {5, true}},           {"", {5, true}},     {"abc", {5, true}},    {"256", {5, true}}, {"-7", {5, true}},
        {"99999999999", {5, true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checkFireSpeed(c.text), c.checked) << '"' << c.text << '"';
    }
}

TEST(FireKeyFields, TimesOutside0To255FallsBackTo1) {
    struct Case {
        const char* text = nullptr;
        FireFieldValue checked;
    };
    const Case cases[] = {
        {"", {0, false}},   {"0", {0, false}},  {"1", {1, false}}, {"255", {255, false}},     {"30", {30, false}},
        {"300", {1, true}}, {"256", {1, true}}, {"-1", {1, true}}, {"4294967297", {1, true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checkFireTimes(c.text), c.checked) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace q417
