#pragma once

#include "config/mouse_config.h"
#include "pages/macro_editor.h"
#include "pages/page.h"
#include "platform/pointer_settings.h"

#include <QObject>

namespace q417 {

// What the advanced page edits and reaches: the record's system pointer fields and the desktop
// they are applied to, and the macro area's context.
struct AdvancedPageContext {
    MacroEditorContext macros;
    PointerSettings& pointer;
};

// The advanced page: the desktop's pointer speed and precision, wheel scrolling and double-click
// speed as rows of 11 cells with two tick boxes and Default, and the macro area. The rows edit the
// record; the desktop changes only with OK, Apply and this page's Default. The desktop's values are
// read once per run, when the page is first built.
class AdvancedPage final : public QObject, public Page {
    Q_OBJECT
public:
    // Hover element ids.
    static constexpr int kDefaultElement = kFirstPageElement;
    static constexpr int kNewElement = kFirstPageElement + 1;
    static constexpr int kDeleteElement = kFirstPageElement + 2;
    static constexpr int kConfirmElement = kFirstPageElement + 3;

    explicit AdvancedPage(AdvancedPageContext context);

    [[nodiscard]] std::string_view background() const override;
    [[nodiscard]] TextId title() const override { return TextId::AdvancedSettings; }
    void build() override;
    void destroyControls() override;
    void closeListsFor(QPoint point) override;
    bool click(QPoint point) override;
    [[nodiscard]] std::vector<HoverElement> hoverElements() const override;
    void drawLook(int element, bool lit) override;

    void toggleEnhancePointerPrecision();
    void toggleScrollOneScreen();
    // Row 1 speed, 2 wheel, 3 double-click; cell 1 to 11.
    void setSystemLevel(std::size_t row, std::size_t cell);
    void restoreSystemDefaults();

    [[nodiscard]] bool systemRead() const { return systemRead_; }
    MacroEditor& macros() { return *editor_; }

signals:
    // Something on the canvas changed: the window repaints.
    void changed();

private:
    void drawTexts();
    void drawRow(std::size_t row);
    void drawTick(const Rect& box, bool on, bool switchedOff);
    void drawButton(int element, bool lit);
    [[nodiscard]] std::uint8_t level(std::size_t row) const;

    AdvancedPageContext ctx_;
    MacroEditor* editor_; // a child of this page
    bool systemRead_ = false;
};

} // namespace q417
