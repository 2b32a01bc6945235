#include "config/factory_defaults.h"
#include "config/system_pointer.h"
#include "platform/gsettings_pointer_settings.h"
#include "support/recording_messages.h"

#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace q417 {
namespace {

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T> using GPtr = std::unique_ptr<T, ObjectUnref>;

std::string takeString(gchar* text) {
    std::string out(text != nullptr ? text : "");
    g_free(text);
    return out;
}

// The installed mouse schema over a store in memory: nothing reaches the user's own settings.
class GSettingsPointerTest : public ::testing::Test {
protected:
    void SetUp() override {
        GSettingsSchemaSource* source = g_settings_schema_source_get_default();
        GSettingsSchema* schema =
            source != nullptr ? g_settings_schema_source_lookup(source, "org.gnome.desktop.peripherals.mouse", TRUE)
                              : nullptr;
        ASSERT_NE(schema, nullptr) << "the desktop schemas are a build dependency (scripts/deps)";
        view.reset(g_settings_new_full(schema, backend.get(), nullptr));
        g_settings_schema_unref(schema);
    }

    [[nodiscard]] double speedKey() const { return g_settings_get_double(view.get(), "speed"); }
    [[nodiscard]] std::string profileKey() const {
        return takeString(g_settings_get_string(view.get(), "accel-profile"));
    }
    [[nodiscard]] int doubleClickKey() const { return g_settings_get_int(view.get(), "double-click"); }

    GPtr<GSettingsBackend> backend{g_memory_settings_backend_new()};
    GSettingsPointerSettings pointer{backend.get()};
    GPtr<GSettings> view; // a second look at the same store, as the desktop sees it
    test::RecordingMessages messages;
};

TEST_F(GSettingsPointerTest, ReadsTheSchemaDefaultsAndKeepsNoWheelLines) {
    ASSERT_TRUE(pointer.available());
    EXPECT_EQ(pointer.readSpeed().outcome, SettingOutcome::Done);
    EXPECT_EQ(pointer.readSpeed().value, 10);
    EXPECT_EQ(pointer.readPrecision().outcome, SettingOutcome::Done);
    EXPECT_TRUE(pointer.readPrecision().value) << "'default' is the adaptive profile for a mouse";
    EXPECT_EQ(pointer.readDoubleClickTimeMs().value, 400);
    EXPECT_EQ(pointer.readWheelLines().outcome, SettingOutcome::Unavailable);
    EXPECT_EQ(pointer.writeWheelLines(5), SettingOutcome::Unavailable);
    EXPECT_EQ(pointer.writeWheelLines(PointerSettings::kOneScreenPerNotch), SettingOutcome::Unavailable);
}

TEST_F(GSettingsPointerTest, SpeedIsATenthPerStepFromNeutral) {
    for (const auto& [speed, stored] :
         std::vector<std::pair<int, double>>{{1, -0.9}, {2, -0.8}, {10, 0.0}, {20, 1.0}}) {
        ASSERT_EQ(pointer.writeSpeed(speed), SettingOutcome::Done);
        EXPECT_DOUBLE_EQ(speedKey(), stored) << "speed " << speed;
        EXPECT_EQ(pointer.readSpeed().value, speed);
    }
    for (const auto& [stored, speed] :
         std::vector<std::pair<double, int>>{{-1.0, 1}, {-0.04, 10}, {0.15, 12}, {0.26, 13}, {1.0, 20}}) {
        g_settings_set_double(view.get(), "speed", stored);
        EXPECT_EQ(pointer.readSpeed().value, speed) << "stored " << stored;
    }
}

TEST_F(GSettingsPointerTest, PrecisionIsTheAccelerationProfile) {
    for (const auto& [profile, on] :
         std::vector<std::pair<const char*, bool>>{{"flat", false}, {"adaptive", true}, {"default", true}}) {
        g_settings_set_string(view.get(), "accel-profile", profile);
        EXPECT_EQ(pointer.readPrecision().value, on) << profile;
    }
    EXPECT_EQ(pointer.writePrecision(false), SettingOutcome::Done);
    EXPECT_EQ(profileKey(), "flat");
    EXPECT_EQ(pointer.writePrecision(true), SettingOutcome::Done);
    EXPECT_EQ(profileKey(), "adaptive");
}

TEST_F(GSettingsPointerTest, ApplyAndDefaultLandInTheDesktopsKeysWithoutAWord) {
    MouseConfig config = factoryConfig();
    config.enhancePointerPrecision = 1;
    config.pointerSpeedLevel = 2;
    config.wheelScrollLines = 7;
    config.doubleClickLevel = 6;
    applySystemMouseSettings(pointer, messages, config);
    EXPECT_DOUBLE_EQ(speedKey(), -0.8);
    EXPECT_EQ(profileKey(), "adaptive");
    EXPECT_EQ(doubleClickKey(), 550);

    restoreSystemDefaults(pointer, messages, config);
    EXPECT_DOUBLE_EQ(speedKey(), 0.0);
    EXPECT_EQ(profileKey(), "flat");
    EXPECT_EQ(doubleClickKey(), 500);
    EXPECT_TRUE(messages.messages.empty()) << "the wheel lines are not GNOME's to keep";
}

TEST_F(GSettingsPointerTest, FirstReadTakesTheDesktopsValuesAndLeavesTheWheelRow) {
    g_settings_set_double(view.get(), "speed", -0.7);
    g_settings_set_string(view.get(), "accel-profile", "flat");
    g_settings_set_int(view.get(), "double-click", 200);
    MouseConfig config = factoryConfig();
    config.enhancePointerPrecision = 1;
    config.scrollOneScreen = 1;
    config.wheelScrollLines = 9;
    readSystemMouseSettings(pointer, messages, config);
    EXPECT_EQ(config.enhancePointerPrecision, 0);
    EXPECT_EQ(config.pointerSpeedLevel, 2);
    EXPECT_EQ(config.doubleClickLevel, 11);
    EXPECT_EQ(config.scrollOneScreen, 1);
    EXPECT_EQ(config.wheelScrollLines, 9);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(GSettingsPointerMissingSchema, EverySettingIsUnavailable) {
    GPtr<GSettingsBackend> backend{g_memory_settings_backend_new()};
    GSettingsPointerSettings pointer(backend.get(), "org.q417.no-such-schema");
    EXPECT_FALSE(pointer.available());
    EXPECT_EQ(pointer.readPrecision().outcome, SettingOutcome::Unavailable);
    EXPECT_EQ(pointer.readSpeed().outcome, SettingOutcome::Unavailable);
    EXPECT_EQ(pointer.readWheelLines().outcome, SettingOutcome::Unavailable);
    EXPECT_EQ(pointer.readDoubleClickTimeMs().outcome, SettingOutcome::Unavailable);
    EXPECT_EQ(pointer.writePrecision(true), SettingOutcome::Unavailable);
    EXPECT_EQ(pointer.writeSpeed(10), SettingOutcome::Unavailable);
    EXPECT_EQ(pointer.writeWheelLines(3), SettingOutcome::Unavailable);
    EXPECT_EQ(pointer.writeDoubleClickTimeMs(500), SettingOutcome::Unavailable);
}

} // namespace
} // namespace q417
