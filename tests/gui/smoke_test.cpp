#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(GuiSmoke, RunsOnTheOffscreenPlatform) {
    EXPECT_EQ(QGuiApplication::platformName(), "offscreen");
}
