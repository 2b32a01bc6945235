#pragma once

#include "config/device_image.h"
#include "config/mouse_config.h"
#include "dialogs/dialog_runner.h"
#include "pages/lighting_section.h"
#include "pages/page.h"
#include "pages/page_painter.h"
#include "platform/message_sink.h"
#include "texts/key_labels.h"

#include <QListWidget>
#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

class QWidget;

namespace q417 {

class SkinDropDown;

// What the basic page edits and reaches: the record, the labels, the sensor kind of the device
// image, and the window's services.
struct BasicPageContext {
    QWidget& window; // parent of the page's child controls; repainted after a change
    PagePainter& painter;
    MouseConfig& config;
    KeyLabels& labels;
    const DeviceImage& image; // its sensor kind picks the DPI cells and values
    Language language;
    MessageSink& messages;
    DialogRunner& dialogs;
    std::function<DialogHost()> dialogHost;
};

// The basic page: key rows of the edited key mode with their function lists and the DPI sub-list,
// Mode A, Mode B and Default, the report rate, the four DPI stages with levels and colours, and the
// lighting section. Every click changes the record at once; nothing reaches the mouse here.
class BasicPage final : public QObject, public Page {
    Q_OBJECT
public:
    // Hover element ids.
    static constexpr int kDefaultElement = kFirstPageElement;
    static constexpr int kFirstKeyRowElement = kFirstPageElement + 1; // row k is this + k - 1

    explicit BasicPage(BasicPageContext context);

    [[nodiscard]] std::string_view background() const override;
    [[nodiscard]] TextId title() const override { return TextId::BasicSettings; }
    void build() override;
    void destroyControls() override;
    void closeListsFor(QPoint point) override;
    bool click(QPoint point) override;
    [[nodiscard]] std::vector<HoverElement> hoverElements() const override;
    void drawLook(int element, bool lit) override;

    void selectKeyMode(std::uint8_t mode);
    void restoreDefaultKeys();
    // Opens or closes the function list of a key row's button (0 to 9).
    void toggleFunctionList(std::size_t button);
    void setReportRate(std::size_t position);
    void toggleDpiStage(std::size_t stage);
    void setDpiLevel(std::size_t stage, std::size_t cell);
    void pickStageColor(std::size_t stage);
    // The pointer on row `row` of the open function list of `button`: the DPI sub-list opens beside
    // the "DPI Switch" row and closes on any other.
    void showDpiSubList(std::size_t button, int row);
    void onDpiSubListChoice(int index);
    // A row of the open function list of `button` chosen, as a click on it does.
    void onFunctionChoice(std::size_t button, int row);

    [[nodiscard]] std::size_t cellCount() const;
    [[nodiscard]] SkinDropDown& functionList(std::size_t button) { return *functionLists_[button]; }
    [[nodiscard]] QListWidget* dpiSubList() const { return dpiSubList_.data(); }
    [[nodiscard]] QWidget* swatch(std::size_t stage) const { return swatches_[stage - 1].data(); }
    LightingSection& lighting() { return *lighting_; }

signals:
    // Something on the canvas changed: the window repaints.
    void changed();

private:
    void drawKeyRow(std::size_t row, bool lit);
    void drawKeyRows();
    void drawModeButtons();
    void drawDefault(bool lit);
    void drawRateCells();
    void drawStage(std::size_t stage);
    void drawTexts();
    void createControls();
    void paintSwatch(std::size_t stage);
    void closeDpiSubList();
    void closeFunctionLists();
    [[nodiscard]] std::optional<std::size_t> openListButton() const;

    BasicPageContext ctx_;
    std::array<SkinDropDown*, kMatrixButtons> functionLists_{}; // children of this page
    QPointer<QListWidget> dpiSubList_;
    std::array<QPointer<QWidget>, kDpiStageCount> swatches_;
    LightingSection* lighting_; // a child of this page
};

} // namespace q417
