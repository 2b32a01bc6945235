#pragma once

#include "pages/page.h"
#include "skin/skin_files.h"

namespace q417 {

// The advanced page: its background and title. Its system pointer settings and the macro editor
// are yet to come, so it has no regions, controls or hover looks of its own.
class AdvancedPage final : public Page {
public:
    [[nodiscard]] std::string_view background() const override { return skin::kAdvancedPage; }
    [[nodiscard]] TextId title() const override { return TextId::AdvancedSettings; }
    void build() override {}
    void destroyControls() override {}
    void closeListsFor(QPoint) override {}
    bool click(QPoint) override { return false; }
    [[nodiscard]] std::vector<HoverElement> hoverElements() const override { return {}; }
    void drawLook(int, bool) override {}
};

} // namespace q417
