#include "skin/skin_drop_down.h"

#include <QListWidget>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace q417 {
namespace {

constexpr DropDownRegions kRegions{{49, 69, 132, 85}, {49, 87, 132, 227}};

class SkinDropDownTest : public ::testing::Test {
protected:
    SkinDropDown& make(bool hotTracking) {
        auto* dropDown = new SkinDropDown(host, {.regions = kRegions, .hotTracking = hotTracking}, [this] {
            ++fills;
            return rows;
        });
        QObject::connect(dropDown, &SkinDropDown::chosen,
                         [this](int row, const QString& text) { chosen.emplace_back(row, text); });
        QObject::connect(dropDown, &SkinDropDown::openChanged, [this](bool open) { changes.push_back(open); });
        return *dropDown; // owned by the host
    }
    QWidget host;
    QStringList rows{"Left Ctrl", "Left Shift", "Left Alt"};
    int fills = 0;
    std::vector<std::pair<int, QString>> chosen;
    std::vector<bool> changes;
};

TEST_F(SkinDropDownTest, OpensBelowTheBoxFilledAfreshEachTime) {
    SkinDropDown& dropDown = make(false);
    EXPECT_EQ(dropDown.list(), nullptr);
    dropDown.toggle();
    ASSERT_TRUE(dropDown.isOpen());
    EXPECT_EQ(dropDown.list()->geometry(), QRect(49, 87, 83, 140));
    EXPECT_EQ(dropDown.list()->count(), 3);
    dropDown.toggle();
    EXPECT_FALSE(dropDown.isOpen());
    rows << "Right Win";
    dropDown.open();
    EXPECT_EQ(dropDown.list()->count(), 4);
    EXPECT_EQ(fills, 2);
    EXPECT_EQ(changes, (std::vector<bool>{true, false, true}));
}

TEST_F(SkinDropDownTest, AChoiceIsReportedAndClosesTheList) {
    SkinDropDown& dropDown = make(false);
    dropDown.open();
    dropDown.choose(3); // past the rows
    dropDown.choose(-1);
    EXPECT_TRUE(chosen.empty());
    EXPECT_TRUE(dropDown.isOpen());
    dropDown.choose(1);
    EXPECT_EQ(chosen, (std::vector<std::pair<int, QString>>{{1, "Left Shift"}}));
    EXPECT_FALSE(dropDown.isOpen());
    dropDown.choose(0); // closed: nothing to choose from
    EXPECT_EQ(chosen.size(), 1U);
}

TEST_F(SkinDropDownTest, OnlyAClickOutsideTheBoxAndTheListClosesIt) {
    SkinDropDown& dropDown = make(false);
    dropDown.open();
    EXPECT_FALSE(dropDown.closeOnClickAt({60, 70}));
    EXPECT_FALSE(dropDown.closeOnClickAt({60, 200}));
    EXPECT_TRUE(dropDown.isOpen());
    EXPECT_TRUE(dropDown.closeOnClickAt({60, 86})); // between the box and the list
    EXPECT_FALSE(dropDown.isOpen());
    EXPECT_FALSE(dropDown.closeOnClickAt({300, 300})); // already closed
}

TEST_F(SkinDropDownTest, HotTrackingSelectsTheRowUnderThePointerWithoutChoosingIt) {
    for (const bool tracking : {false, true}) {
        chosen.clear();
        SkinDropDown& dropDown = make(tracking);
        dropDown.open();
        QListWidget* list = dropDown.list();
        emit list->itemEntered(list->item(2));
        EXPECT_EQ(list->currentRow(), tracking ? 2 : -1) << tracking;
        EXPECT_TRUE(chosen.empty());
        emit list->itemClicked(list->item(2));
        EXPECT_FALSE(dropDown.isOpen());
        EXPECT_EQ(chosen.size(), 1U);
    }
}

TEST_F(SkinDropDownTest, TheWheelScrollsOnlyWhenAsked) {
    SkinDropDown& plain = make(false);
    plain.open();
    EXPECT_FALSE(plain.scrollByWheel(-120));
    plain.close();
    EXPECT_FALSE(plain.scrollByWheel(-120));
}

} // namespace
} // namespace q417
