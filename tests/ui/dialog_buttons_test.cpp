#include "ui/dialog_buttons.h"
#include "ui/drop_down_regions.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

TEST(DialogButtonAt, RightAndBottomEdgesAreOutsideAndTheSharedColumnIsOks) {
    struct Case {
        int x;
        int y;
        std::optional<DialogButton> button;
    };
    const Case cases[] = {
        {166, 253, DialogButton::Ok},     {270, 260, DialogButton::Ok}, // column 270 lies in both
        {271, 260, DialogButton::Cancel}, {374, 273, DialogButton::Cancel}, {375, 260, std::nullopt},
        {200, 274, std::nullopt},         {165, 260, std::nullopt},         {352, 6, DialogButton::Close},
        {369, 23, DialogButton::Close},   {370, 10, std::nullopt},          {-1, -1, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dialogButtonAt(c.x, c.y), c.button) << c.x << ',' << c.y;
    }
}

class Hover : public ::testing::Test {
protected:
    // Moves the pointer there and, if a hover was asked for, delivers it.
    void restAt(int x, int y) {
        if (hover.pointerMoved(x, y)) {
            hover.hoverAt(x, y);
        }
    }
    DialogButtonHover hover;
    static constexpr int kOk[] = {200, 260};
    static constexpr int kCancel[] = {300, 260};
    static constexpr int kClose[] = {360, 10};
};

TEST_F(Hover, AButtonLightsOnlyWhenTheHoverComes) {
    EXPECT_TRUE(hover.pointerMoved(kOk[0], kOk[1]));
    EXPECT_FALSE(hover.isLit(DialogButton::Ok));
    hover.hoverAt(kOk[0], kOk[1]);
    EXPECT_TRUE(hover.isLit(DialogButton::Ok));
}

TEST_F(Hover, OkAndCancelHandTheLookToEachOther) {
    restAt(kOk[0], kOk[1]);
    restAt(kCancel[0], kCancel[1]); // straight across: no insensitive point in between
    EXPECT_FALSE(hover.isLit(DialogButton::Ok));
    EXPECT_TRUE(hover.isLit(DialogButton::Cancel));
    restAt(kOk[0], kOk[1]);
    EXPECT_TRUE(hover.isLit(DialogButton::Ok));
    EXPECT_FALSE(hover.isLit(DialogButton::Cancel));
}

TEST_F(Hover, CloseStaysLitUntilThePointerLeavesAllButtons) {
    restAt(kClose[0], kClose[1]);
    restAt(kOk[0], kOk[1]);
    EXPECT_TRUE(hover.isLit(DialogButton::Close));
    EXPECT_TRUE(hover.isLit(DialogButton::Ok));
    EXPECT_FALSE(hover.pointerMoved(10, 10));
    EXPECT_FALSE(hover.anyLit());
}

TEST_F(Hover, AHoverAwayFromTheButtonsLightsNothing) {
    hover.hoverAt(10, 10);
    EXPECT_FALSE(hover.anyLit());
}

TEST(DropDownRegions, AClickClosesTheListOnlyOutsideTheBoxAndTheList) {
    constexpr DropDownRegions regions{{42, 128, 151, 144}, {42, 146, 151, 266}};
    EXPECT_FALSE(regions.closesOn(42, 128));  // box
    EXPECT_FALSE(regions.closesOn(150, 265)); // list
    EXPECT_TRUE(regions.closesOn(100, 145));  // the gap between them
    EXPECT_TRUE(regions.closesOn(151, 130));
    EXPECT_TRUE(regions.closesOn(100, 266));
}

} // namespace
} // namespace q417
