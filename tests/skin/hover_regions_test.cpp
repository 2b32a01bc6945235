#include "dialogs/dialog_buttons.h"
#include "skin/drop_down_regions.h"
#include "skin/hover_regions.h"

#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace q417 {
namespace {

std::vector<int> sorted(std::vector<int> ids) {
    std::sort(ids.begin(), ids.end());
    return ids;
}

// A pointer that comes to rest: the move and, if it asked for one, the hover notification.
HoverRegions::Change restAt(HoverRegions& regions, int x, int y) {
    const HoverRegions::Change moved = regions.pointerMoved(x, y);
    return moved.wantsHover ? regions.hoverAt(x, y) : moved;
}

// The main window: OK, Apply and Cancel hand the look to each other, the close button has no
// partners, and the ten key rows of the basic page form a group of their own.
class HoverRegionsInTheMainWindow : public ::testing::Test {
protected:
    enum : int { kOk, kApply, kCancel, kClose, kFirstRow };
    static constexpr int kButtonGroup = 1;
    static constexpr int kRowGroup = 2;

    static constexpr Rect keyRow(int row) {
        const int offset = 23 * (row - 1);
        return {252, 199 + offset, 463, 220 + offset};
    }
    static constexpr int rowId(int row) { return kFirstRow + row - 1; }
    static constexpr int rowY(int row) { return keyRow(row).top + 5; }

    HoverRegionsInTheMainWindow() { regions.setElements(elements()); }

    static std::vector<HoverElement> elements() {
        std::vector<HoverElement> list{
            {kOk, {562, 623, 667, 644}, kButtonGroup},
            {kApply, {666, 623, 771, 644}, kButtonGroup},
            {kCancel, {770, 623, 875, 644}, kButtonGroup},
            {kClose, {852, 6, 870, 24}, 0},
        };
        for (int row = 1; row <= 10; ++row) {
            list.push_back({rowId(row), keyRow(row), kRowGroup});
        }
        return list;
    }

    HoverRegions regions;
};

TEST_F(HoverRegionsInTheMainWindow, RightAndBottomEdgesAreOutsideAndASharedColumnIsTheFirstElements) {
    struct Case {
        int x = 0;
        int y = 0;
        std::optional<int> id;
    };
    const Case cases[] = {
        {562, 623, kOk},          {666, 630, kOk}, // column 666 lies in OK and Apply
        {667, 630, kApply},       {770, 643, kApply},       {771, 630, kCancel},      {874, 643, kCancel},
        {875, 630, std::nullopt}, {600, 644, std::nullopt}, {561, 630, std::nullopt}, {252, 199, rowId(1)},
        {462, 219, rowId(1)},     {463, 210, std::nullopt}, {300, 220, std::nullopt}, {300, 222, rowId(2)},
        {300, 426, rowId(10)},    {300, 427, std::nullopt},
    };
    for (const Case& c : cases) {
        const HoverElement* element = regions.elementAt(c.x, c.y);
        EXPECT_EQ(element ? std::optional<int>(element->id) : std::nullopt, c.id) << c.x << ',' << c.y;
    }
}

TEST_F(HoverRegionsInTheMainWindow, AnElementLightsOnlyOnTheHoverNotOnTheMove) {
    const HoverRegions::Change moved = regions.pointerMoved(600, 630);
    EXPECT_TRUE(moved.wantsHover);
    EXPECT_EQ(moved.lit, std::nullopt);
    EXPECT_FALSE(regions.anyLit());

    const HoverRegions::Change hovered = regions.hoverAt(600, 630);
    EXPECT_EQ(hovered.lit, kOk);
    EXPECT_TRUE(hovered.restored.empty());
    EXPECT_TRUE(regions.isLit(kOk));
}

TEST_F(HoverRegionsInTheMainWindow, MovingStraightFromOkToApplyHandsTheLookOver) {
    restAt(regions, 666, 630); // OK's last column
    ASSERT_TRUE(regions.isLit(kOk));

    const HoverRegions::Change moved = regions.pointerMoved(700, 630);
    EXPECT_TRUE(moved.wantsHover);
    EXPECT_TRUE(moved.restored.empty()) << "OK keeps its look until Apply's hover comes";
    EXPECT_TRUE(regions.isLit(kOk));

    const HoverRegions::Change hovered = regions.hoverAt(700, 630);
    EXPECT_EQ(hovered.lit, kApply);
    EXPECT_EQ(hovered.restored, std::vector<int>{kOk});
    EXPECT_FALSE(regions.isLit(kOk));
    EXPECT_TRUE(regions.isLit(kApply));
}

TEST_F(HoverRegionsInTheMainWindow, AnElementWithoutPartnersStaysLitUntilAnInsensitivePoint) {
    restAt(regions, 860, 10); // close
    const HoverRegions::Change toCancel = restAt(regions, 800, 630);
    EXPECT_TRUE(toCancel.restored.empty());
    restAt(regions, 300, rowY(1));
    EXPECT_TRUE(regions.isLit(kClose));
    EXPECT_TRUE(regions.isLit(kCancel));
    EXPECT_TRUE(regions.isLit(rowId(1)));

    const HoverRegions::Change left = regions.pointerMoved(10, 10);
    EXPECT_FALSE(left.wantsHover);
    EXPECT_EQ(left.lit, std::nullopt);
    EXPECT_EQ(sorted(left.restored), (std::vector<int>{kCancel, kClose, rowId(1)}));
    EXPECT_FALSE(regions.anyLit());
    EXPECT_TRUE(regions.pointerMoved(20, 20).restored.empty()) << "nothing is restored twice";
}

TEST_F(HoverRegionsInTheMainWindow, KeyRowsHandTheLookDownTheColumnButNotToTheButtons) {
    restAt(regions, 600, 630); // OK
    restAt(regions, 300, rowY(3));

    const HoverRegions::Change toRow4 = restAt(regions, 300, rowY(4));
    EXPECT_EQ(toRow4.lit, rowId(4));
    EXPECT_EQ(toRow4.restored, std::vector<int>{rowId(3)});
    EXPECT_TRUE(regions.isLit(kOk)) << "the rows are not OK's partners";
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(regions.isLit(rowId(row)), row == 4) << "row " << row;
    }
}

TEST_F(HoverRegionsInTheMainWindow, AHoverOverAnInsensitivePointChangesNothing) {
    restAt(regions, 600, 630);
    const HoverRegions::Change change = regions.hoverAt(10, 10);
    EXPECT_EQ(change.lit, std::nullopt);
    EXPECT_TRUE(change.restored.empty());
    EXPECT_FALSE(change.wantsHover);
    EXPECT_TRUE(regions.isLit(kOk));
}

TEST_F(HoverRegionsInTheMainWindow, NewElementsDropTheLitFlagsOfElementsNoLongerListed) {
    restAt(regions, 860, 10);                           // close
    restAt(regions, 300, rowY(2));                      // a key row
    std::vector<HoverElement> buttonsOnly = elements(); // another page: no key rows
    buttonsOnly.resize(4);
    regions.setElements(buttonsOnly);

    EXPECT_TRUE(regions.isLit(kClose));
    EXPECT_FALSE(regions.isLit(rowId(2)));
    EXPECT_EQ(regions.pointerMoved(10, 10).restored, std::vector<int>{kClose})
        << "a dropped element is not drawn again";
}

// The common buttons of a skinned dialog.
TEST_F(HoverRegionsInTheMainWindow, ElementsThatSharePixelsAreRedrawnTogether) {
    EXPECT_EQ(regions.overlapping(kOk), (std::vector<int>{kOk, kApply, kCancel})) << "through Apply";
    EXPECT_EQ(regions.overlapping(kCancel), (std::vector<int>{kOk, kApply, kCancel}));
    EXPECT_EQ(regions.overlapping(kClose), std::vector<int>{kClose});
    EXPECT_EQ(regions.overlapping(kFirstRow + 2), std::vector<int>{kFirstRow + 2}) << "rows leave a gap";
}

class DialogButtonHover : public ::testing::Test {
protected:
    DialogButtonHover() {
        constexpr auto kElements = dialogHoverElements();
        regions.setElements({kElements.begin(), kElements.end()});
    }
    bool isLit(DialogButton button) const { return regions.isLit(static_cast<int>(button)); }

    HoverRegions regions;
    static constexpr int kOk[] = {200, 260};
    static constexpr int kCancel[] = {300, 260};
    static constexpr int kClose[] = {360, 10};
};

TEST_F(DialogButtonHover, AButtonLightsOnlyWhenTheHoverComes) {
    EXPECT_TRUE(regions.pointerMoved(kOk[0], kOk[1]).wantsHover);
    EXPECT_FALSE(isLit(DialogButton::Ok));
    regions.hoverAt(kOk[0], kOk[1]);
    EXPECT_TRUE(isLit(DialogButton::Ok));
}

TEST_F(DialogButtonHover, OkAndCancelHandTheLookToEachOther) {
    restAt(regions, kOk[0], kOk[1]);
    restAt(regions, kCancel[0], kCancel[1]); // straight across: no insensitive point in between
    EXPECT_FALSE(isLit(DialogButton::Ok));
    EXPECT_TRUE(isLit(DialogButton::Cancel));
    restAt(regions, kOk[0], kOk[1]);
    EXPECT_TRUE(isLit(DialogButton::Ok));
    EXPECT_FALSE(isLit(DialogButton::Cancel));
}

TEST_F(DialogButtonHover, CloseStaysLitUntilThePointerLeavesAllButtons) {
    restAt(regions, kClose[0], kClose[1]);
    restAt(regions, kOk[0], kOk[1]);
    EXPECT_TRUE(isLit(DialogButton::Close));
    EXPECT_TRUE(isLit(DialogButton::Ok));
    EXPECT_FALSE(regions.pointerMoved(10, 10).wantsHover);
    EXPECT_FALSE(regions.anyLit());
}

TEST_F(DialogButtonHover, AHoverAwayFromTheButtonsLightsNothing) {
    regions.hoverAt(10, 10);
    EXPECT_FALSE(regions.anyLit());
}

TEST(DialogButtonAt, RightAndBottomEdgesAreOutsideAndTheSharedColumnIsOks) {
    struct Case {
        int x = 0;
        int y = 0;
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
