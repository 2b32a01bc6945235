#include "texts/texts_media_launch.h"

#include "texts/localised_text.h"

#include <array>

namespace q417 {

namespace {

constexpr auto kMediaRows = std::to_array<LocalisedText>({
    {.chs = "下一首", .cht = "下一首", .span = "Siguiente", .english = "Next"},
    {.chs = "上一首", .cht = "上一首", .span = "Previa", .english = "Previous"},
    {.chs = "停止", .cht = "停止", .span = "Detener", .english = "Stop"},
    {.chs = "播放/暂停", .cht = "播放/暫停", .span = "Reproducir/Pausar", .english = "Play/Pause"},
    {.chs = "静音", .cht = "靜音", .span = "Silenciar", .english = "Mute"},
    {.chs = "音量+", .cht = "音量+", .span = "Vol+", .english = "Vol+"},
    {.chs = "音量-", .cht = "音量-", .span = "Vol-", .english = "Vol-"},
});
static_assert(kMediaRows.size() == kMediaRowCount);

// The Spanish set keeps the English browser texts.
constexpr auto kLaunchRows = std::to_array<LocalisedText>({
    {.chs = "打开多媒体播放器",
     .cht = "打開多媒體播放器",
     .span = "Reproductor Multimedia",
     .english = "Multimedia Player"},
    {.chs = "邮件", .cht = "郵件", .span = "Mail", .english = "Mail"},
    {.chs = "计算器", .cht = "計算器", .span = "Calculadora", .english = "Calculator"},
    {.chs = "我的电脑", .cht = "我的電腦", .span = "Mi PC", .english = "My Computer"},
    {.chs = "浏览器-搜索", .cht = "瀏覽器-搜索", .span = "Browser-Search", .english = "Browser-Search"},
    {.chs = "浏览器-主页", .cht = "瀏覽器-主頁", .span = "Browser-Home", .english = "Browser-Home"},
    {.chs = "浏览器-后退", .cht = "瀏覽器-後退", .span = "Browser-Back", .english = "Browser-Back"},
    {.chs = "浏览器-前进", .cht = "瀏覽器-前進", .span = "Browser-Forward", .english = "Browser-Forward"},
    {.chs = "浏览器-停止", .cht = "瀏覽器-停止", .span = "Browser-Stop", .english = "Browser-Stop"},
    {.chs = "浏览器-刷新", .cht = "瀏覽器-刷新", .span = "Browser-Refresh", .english = "Browser-Refresh"},
    {.chs = "浏览器-收藏夹",
     .cht = "瀏覽器-我的最愛",
     .span = "Browser-My Favorites",
     .english = "Browser-My Favorites"},
});
static_assert(kLaunchRows.size() == kLaunchRowCount);

} // namespace

std::string_view mediaRowText(Language language, std::size_t row) {
    return row < kMediaRows.size() ? kMediaRows[row].in(language) : std::string_view{};
}

std::string_view launchRowText(Language language, std::size_t row) {
    return row < kLaunchRows.size() ? kLaunchRows[row].in(language) : std::string_view{};
}

} // namespace q417
