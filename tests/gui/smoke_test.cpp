#include <gtest/gtest.h>

#include <QGuiApplication>

TEST(GuiSmoke, RunsOnTheOffscreenPlatform) { EXPECT_EQ(QGuiApplication::platformName(), "offscreen"); }
