#include "device/report_descriptor.h"
#include "support/hid_descriptors.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

using test::Bytes;
using test::joined;

struct ParseCase {
    const char* name;
    Bytes descriptor;
    std::vector<HidCollectionCaps> collections;
    bool numbered;
};
void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class ParsesReportDescriptor : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsesReportDescriptor, IntoTopLevelCollectionsWithTheirReportLengths) {
    const ParseCase& c = GetParam();
    const std::optional<ReportDescriptorInfo> info = parseReportDescriptor(c.descriptor);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->collections, c.collections);
    EXPECT_EQ(info->numberedReports, c.numbered);
}

// Usage page, usage, then input, output and feature lengths with the report ID byte.
constexpr HidCollectionCaps kControl{0xFF00, 0xFF00, 33, 33, 9};

INSTANTIATE_TEST_SUITE_P(
    Descriptors, ParsesReportDescriptor,
    ::testing::Values(
        ParseCase{"ControlCollection", test::controlCollection(), {kControl}, false},
        ParseCase{"SeveralTopLevelCollections",
                  joined({test::keyboardCollection(1), test::vendorCollection(0xFF02, 0x0001, {.input = 3}, 2),
                          test::eventCollection()}),
                  {{0x0001, 0x0006, 8, 0, 0}, {0xFF02, 0x0001, 4, 0, 0}, {0xFF01, 0xFF01, 8, 0, 0}},
                  true},
        ParseCase{"LongestReportOfEachTypeCounts",
                  // Report 1: 4 then 2 more bytes; report 2: 16 bytes.
                  {0x06, 0x00, 0xFF, 0x0A, 0x00, 0xFF, 0xA1, 0x01, 0x75, 0x08, 0x85, 0x01, 0x95, 0x04, 0x81, 0x02,
                   0x95, 0x02, 0x81, 0x02, 0x85, 0x02, 0x95, 0x10, 0x81, 0x02, 0x95, 0x03, 0xB1, 0x02, 0xC0},
                  {{0xFF00, 0xFF00, 17, 0, 4}},
                  true},
        ParseCase{"LongItemsAreSkipped",
                  joined({{0xFE, 0x03, 0x42, 0xA1, 0xC0, 0x81}, test::controlCollection()}),
                  {kControl},
                  false},
        ParseCase{"FourByteUsageNamesItsOwnPage",
                  {0x05, 0x01, 0x0B, 0x01, 0xFF, 0x01, 0xFF, 0xA1, 0x01, 0x85, 0x06, 0x75, 0x08, 0x95, 0x07, 0x81, 0x02,
                   0xC0},
                  {{0xFF01, 0xFF01, 8, 0, 0}},
                  true},
        ParseCase{"PopRestoresWhatPushKept",
                  {0x06, 0x00, 0xFF, 0x0A, 0x00, 0xFF, 0xA1, 0x01, 0x75, 0x08, 0x95,
                   0x08, 0xA4, 0x95, 0x20, 0x91, 0x02, 0xB4, 0xB1, 0x02, 0xC0},
                  {{0xFF00, 0xFF00, 0, 33, 9}},
                  false},
        ParseCase{"NestedCollectionsCountTowardTheirTopLevelOne",
                  {0x06, 0x00, 0xFF, 0x0A, 0x00, 0xFF, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x02,
                   0x81, 0x02, 0x09, 0x02, 0xA1, 0x02, 0x95, 0x03, 0x81, 0x02, 0xC0, 0xC0},
                  {{0xFF00, 0xFF00, 6, 0, 0}},
                  false},
        ParseCase{"BitFieldsRoundUpToWholeBytes",
                  {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x75, 0x01, 0x95, 0x03, 0x81, 0x02, 0xC0},
                  {{0x0001, 0x0002, 2, 0, 0}},
                  false},
        ParseCase{
            "ZeroBitFieldsMakeNoReport",
            {0x06, 0x00, 0xFF, 0x0A, 0x00, 0xFF, 0xA1, 0x01, 0x75, 0x00, 0x95, 0x08, 0x81, 0x02, 0xB1, 0x02, 0xC0},
            {{0xFF00, 0xFF00, 0, 0, 0}},
            false},
        ParseCase{"Empty", {}, {}, false}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct MalformedDescriptor {
    const char* name;
    Bytes descriptor;
};
void PrintTo(const MalformedDescriptor& c, std::ostream* os) {
    *os << c.name;
}

class RejectsReportDescriptor : public ::testing::TestWithParam<MalformedDescriptor> {};

TEST_P(RejectsReportDescriptor, ThatIsMalformed) {
    EXPECT_FALSE(parseReportDescriptor(GetParam().descriptor).has_value());
}

INSTANTIATE_TEST_SUITE_P(Descriptors, RejectsReportDescriptor,
                         ::testing::Values(MalformedDescriptor{"ShortItemCutShort", {0xA1, 0x01, 0xC0, 0x06, 0x00}},
                                           MalformedDescriptor{"LongItemCutShort", {0xFE, 0x05, 0x00, 0x01, 0x02}},
                                           MalformedDescriptor{"LongItemWithoutItsHeader", {0xFE, 0x01}},
                                           MalformedDescriptor{"EndOfACollectionNeverBegun", {0xC0}},
                                           MalformedDescriptor{"CollectionNeverEnded", {0x09, 0x01, 0xA1, 0x01}},
                                           MalformedDescriptor{"PopWithoutPush", {0xB4}},
                                           MalformedDescriptor{"PushTooDeep", Bytes(17, 0xA4)},
                                           MalformedDescriptor{"ReportIdZero", {0x85, 0x00}},
                                           MalformedDescriptor{"ReportIdAbove255", {0x86, 0x00, 0x01}},
                                           MalformedDescriptor{"ReportLongerThanItsLengthCanSay",
                                                               // 16 fields of 65536 bits each.
                                                               {0xA1, 0x01, 0x77, 0x00, 0x00, 0x01, 0x00, 0x95, 0x10,
                                                                0x81, 0x02, 0xC0}}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
} // namespace q417
