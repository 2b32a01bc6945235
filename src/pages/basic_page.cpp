#include "pages/basic_page.h"

#include "assign/function_catalogue.h"
#include "assign/function_choice.h"
#include "pages/basic_page_layout.h"
#include "pages/basic_page_rules.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_files.h"
#include "texts/dpi_value_names.h"
#include "texts/texts_functions.h"

#include <QListWidget>
#include <QWidget>

namespace q417 {

namespace bl = basic_layout;

namespace {

constexpr int kKeyRowGroup = 2; // frame groups are 1 (OK, Apply, Cancel) and 3 (page buttons)
constexpr std::size_t kDpiSwitchRow = static_cast<std::size_t>(ButtonFunction::DpiSwitch);
constexpr std::array<std::string_view, bl::kRateCellCount> kRateLabels{"125", "250", "500", "1000"};
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

QStringList functionRows(Language language) {
    QStringList rows;
    for (std::size_t row = 0; row < kFunctionRowCount; ++row) {
        rows << fromUtf8(functionRowText(language, row));
    }
    return rows;
}

} // namespace

BasicPage::BasicPage(BasicPageContext context)
    : QObject(&context.window)
    , ctx_(std::move(context)) {
    for (std::size_t button = 0; button < functionLists_.size(); ++button) {
        const std::size_t row = button + 1;
        const SkinDropDown::Options options{.regions = {bl::keyRow(row), bl::functionList(row)},
                                            .hotTracking = true,
                                            .wheelScrolls = false,
                                            .closesOnChoice = false,
                                            .blackList = true};
        auto* list = new SkinDropDown(ctx_.window, options, [this] { return functionRows(ctx_.language); });
        list->setParent(this);
        connect(list, &SkinDropDown::chosen, this, [this, button](int chosen) { onFunctionChoice(button, chosen); });
        connect(list, &SkinDropDown::rowHovered, this,
                [this, button](int hovered) { showDpiSubList(button, hovered); });
        functionLists_[button] = list;
    }
    lighting_ = new LightingSection(ctx_.window, ctx_.painter, ctx_.config, ctx_.language);
    lighting_->setParent(this);
    connect(lighting_, &LightingSection::changed, this, &BasicPage::changed);
}

std::string_view BasicPage::background() const {
    return skin::kBasicPage;
}

std::size_t BasicPage::cellCount() const {
    return dpiCellCount(ctx_.image.sensorKind);
}

void BasicPage::build() {
    drawKeyRows();
    drawRateCells();
    drawTexts();
    drawModeButtons();
    drawDefault(false);
    createControls();
    for (std::size_t stage = 1; stage <= kDpiStageCount; ++stage) {
        drawStage(stage);
    }
}

void BasicPage::drawTexts() {
    const Language language = ctx_.language;
    PagePainter& p = ctx_.painter;
    p.text(bl::kKeySettingHeading, text(language, TextId::KeySetting), Qt::AlignCenter);
    p.text(bl::kReportRateHeading, text(language, TextId::ReportRateSetting), Qt::AlignCenter);
    p.text(bl::kDpiSettingHeading, text(language, TextId::DpiSetting), Qt::AlignCenter);
    p.text(bl::kDpiEffectHeading, text(language, TextId::DpiEffect), Qt::AlignCenter);
    for (std::size_t position = 1; position <= bl::kRateCellCount; ++position) {
        p.text(bl::rateLabel(position), kRateLabels[position - 1], Qt::AlignCenter);
    }
    p.text(bl::kColorLabel, "Color", kRight);
    p.text(bl::kSelectLabel, "Select", kRight);
    lighting_->drawCaptions();
    for (std::size_t stage = 1; stage <= kDpiStageCount; ++stage) {
        p.text(bl::stageNumber(stage), std::to_string(stage), Qt::AlignHCenter | Qt::AlignTop);
    }
    const std::size_t cells = cellCount();
    for (std::size_t level = 0; level < cells; ++level) {
        p.text(bl::dpiValue(level, cells), dpiValueName(ctx_.image.sensorKind, static_cast<std::uint8_t>(level)),
               kRight);
    }
}

void BasicPage::createControls() {
    for (std::size_t stage = 1; stage <= kDpiStageCount; ++stage) {
        QPointer<QWidget>& swatch = swatches_[stage - 1];
        if (swatch.isNull()) {
            const Rect r = bl::colourSwatch(stage);
            swatch = new QWidget(&ctx_.window); // owned by the window until the page is left
            swatch->setGeometry(r.left, r.top, r.width(), r.height());
            swatch->setAttribute(Qt::WA_TransparentForMouseEvents); // clicks count by the page's rectangles
            swatch->setAutoFillBackground(true);
            swatch->show();
        }
        paintSwatch(stage);
    }
    lighting_->createFields();
}

void BasicPage::paintSwatch(std::size_t stage) {
    QWidget* swatch = swatches_[stage - 1].data();
    if (swatch == nullptr) {
        return;
    }
    const auto& rgb = ctx_.config.dpiColor[stage - 1];
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor(rgb[0], rgb[1], rgb[2]));
    swatch->setPalette(palette);
    swatch->update();
}

void BasicPage::destroyControls() {
    closeFunctionLists();
    closeDpiSubList();
    lighting_->destroyFields();
    for (QPointer<QWidget>& swatch : swatches_) {
        if (QWidget* gone = swatch.data()) {
            gone->hide();
            gone->deleteLater();
        }
        swatch.clear();
    }
}

void BasicPage::drawKeyRow(std::size_t row, bool lit) {
    const Rect r = bl::keyRow(row);
    ctx_.painter.restore(r);
    ctx_.painter.image(lit ? skin::kDropdownOver : skin::kDropdownNormal, r);
    ctx_.painter.text({r.left, r.top, r.left + bl::kRowNumberWidth, r.bottom}, std::to_string(row), kLeft);
    const std::string& label = ctx_.labels[ctx_.config.editedBankIndex()][row - 1];
    ctx_.painter.text({r.left + bl::kRowNumberWidth, r.top, r.right - bl::kRowArrowWidth, r.bottom}, label, kLeft);
}

void BasicPage::drawKeyRows() {
    for (std::size_t row = 1; row <= bl::kKeyRowCount; ++row) {
        drawKeyRow(row, false);
    }
}

void BasicPage::drawModeButtons() {
    const bool modeA = ctx_.config.editedBankIndex() == 0;
    ctx_.painter.restore(bl::kModeA);
    ctx_.painter.restore(bl::kModeB);
    ctx_.painter.image(modeA ? skin::kButtonOver : skin::kButtonNormal, bl::kModeA);
    ctx_.painter.text(bl::kModeA, "Mode A", Qt::AlignCenter);
    ctx_.painter.image(modeA ? skin::kButtonNormal : skin::kButtonOver, bl::kModeB);
    ctx_.painter.text(bl::kModeB, "Mode B", Qt::AlignCenter);
}

void BasicPage::drawDefault(bool lit) {
    ctx_.painter.restore(bl::kDefault);
    ctx_.painter.image(lit ? skin::kButtonOver : skin::kButtonNormal, bl::kDefault);
    ctx_.painter.text(bl::kDefault, text(ctx_.language, TextId::KeyDefault), Qt::AlignCenter);
}

void BasicPage::drawRateCells() {
    const std::size_t current = reportRatePosition(ctx_.config.reportRate);
    for (std::size_t position = 1; position <= bl::kRateCellCount; ++position) {
        ctx_.painter.image(position == current ? skin::kRateCellLight : skin::kRateCellDark, bl::rateCell(position));
    }
}

void BasicPage::drawStage(std::size_t stage) {
    const bool enabled = ctx_.config.dpiStageEnabled[stage - 1] == 1;
    ctx_.painter.image(enabled ? skin::kPaneTicked : skin::kPane, bl::tickBox(stage));
    const std::size_t cells = cellCount();
    const std::size_t lit = litCells(ctx_.config, stage, cells);
    for (std::size_t cell = 1; cell <= cells; ++cell) {
        ctx_.painter.image(cell <= lit ? skin::kDpiCellLight : skin::kDpiCellDark, bl::levelCell(stage, cell));
    }
}

std::vector<HoverElement> BasicPage::hoverElements() const {
    std::vector<HoverElement> elements{{kDefaultElement, bl::kDefault, 0}};
    for (std::size_t row = 1; row <= bl::kKeyRowCount; ++row) {
        elements.push_back({kFirstKeyRowElement + static_cast<int>(row) - 1, bl::keyRow(row), kKeyRowGroup});
    }
    return elements;
}

void BasicPage::drawLook(int element, bool lit) {
    if (element == kDefaultElement) {
        drawDefault(lit);
        return;
    }
    const int row = element - kFirstKeyRowElement + 1;
    if (row >= 1 && row <= static_cast<int>(bl::kKeyRowCount)) {
        drawKeyRow(static_cast<std::size_t>(row), lit);
    }
}

void BasicPage::closeListsFor(QPoint point) {
    for (SkinDropDown* list : functionLists_) {
        list->closeOnClickAt(point);
    }
    closeDpiSubList(); // any click on the window
    lighting_->closeListsFor(point);
}

bool BasicPage::click(QPoint point) {
    const std::optional<BasicHit> hit = resolveBasicClick(point.x(), point.y(), ctx_.image.sensorKind);
    if (!hit) {
        return false;
    }
    using Kind = BasicHit::Kind;
    switch (hit->kind) {
    case Kind::ModeA:
        selectKeyMode(0);
        break;
    case Kind::ModeB:
        selectKeyMode(1);
        break;
    case Kind::Default:
        restoreDefaultKeys();
        break;
    case Kind::KeyRow:
        toggleFunctionList(hit->index - 1);
        break;
    case Kind::RateCell:
        setReportRate(hit->index);
        break;
    case Kind::TickBox:
        toggleDpiStage(hit->index);
        break;
    case Kind::Swatch:
        pickStageColor(hit->index);
        break;
    case Kind::LedMode:
        lighting_->toggle(LightingSection::Field::Mode);
        break;
    case Kind::LedParameter:
        lighting_->toggle(LightingSection::Field::Parameter);
        break;
    case Kind::LedEffect:
        lighting_->toggle(LightingSection::Field::Effect);
        break;
    case Kind::LevelCell:
        setDpiLevel(hit->index, hit->cell);
        break;
    }
    return true;
}

void BasicPage::selectKeyMode(std::uint8_t mode) {
    ctx_.config.activeMode = mode;
    drawModeButtons();
    drawKeyRows();
    emit changed();
}

void BasicPage::restoreDefaultKeys() {
    q417::restoreDefaultKeys(ctx_.config, ctx_.labels, ctx_.language);
    drawKeyRows();
    emit changed();
}

void BasicPage::toggleFunctionList(std::size_t button) {
    if (button >= functionLists_.size()) {
        return;
    }
    SkinDropDown& list = *functionLists_[button];
    if (list.isOpen()) {
        list.close();
        closeDpiSubList();
        return;
    }
    closeFunctionLists(); // at most one list is open
    closeDpiSubList();
    if (isLastLeftClick(ctx_.config, button)) {
        ctx_.messages.showMessage(std::string(leftKeyRequiredText(ctx_.language)), "Warning");
        return;
    }
    list.open();
}

void BasicPage::closeFunctionLists() {
    for (SkinDropDown* list : functionLists_) {
        list->close();
    }
}

std::optional<std::size_t> BasicPage::openListButton() const {
    for (std::size_t button = 0; button < functionLists_.size(); ++button) {
        if (functionLists_[button]->isOpen()) {
            return button;
        }
    }
    return std::nullopt;
}

void BasicPage::showDpiSubList(std::size_t button, int row) {
    QListWidget* list = functionLists_[button]->list();
    if (list == nullptr || row < 0) {
        return;
    }
    if (static_cast<std::size_t>(row) != kDpiSwitchRow) {
        closeDpiSubList();
        return;
    }
    if (!dpiSubList_.isNull()) {
        return;
    }
    // Beside the row: the row's rectangle in the list's own coordinates, frame included.
    const QRect item = list->visualItemRect(list->item(row)).translated(list->viewport()->pos());
    const Rect rowInList{item.left(), item.top(), item.left() + item.width(), item.top() + item.height()};
    const Rect r = bl::dpiSubList(bl::functionList(button + 1), rowInList);
    auto* sub = new QListWidget(&ctx_.window); // owned by the window until closed
    for (std::uint8_t variant = 1; variant <= 4; ++variant) {
        sub->addItem(fromUtf8(dpiSwitchVariantText(variant)));
    }
    // The sub-list is narrow: it never scrolls, and takes the font that fits its widest row.
    styleSkinList(*sub, ctx_.painter.textFont(), true);
    sub->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sub->setTextElideMode(Qt::ElideNone);
    sub->setGeometry(r.left, r.top, r.width(), r.height());
    fitListRows(*sub);
    sub->setMouseTracking(true);
    connect(sub, &QListWidget::itemEntered, sub, [sub](QListWidgetItem* entered) { sub->setCurrentItem(entered); });
    connect(sub, &QListWidget::itemClicked, this,
            [this, sub](QListWidgetItem* clicked) { onDpiSubListChoice(sub->row(clicked)); });
    sub->show();
    sub->raise();
    dpiSubList_ = sub;
}

void BasicPage::closeDpiSubList() {
    if (QListWidget* sub = dpiSubList_.data()) {
        dpiSubList_.clear();
        sub->hide();
        sub->deleteLater(); // a choice closes it from inside its own signal
    }
}

void BasicPage::onDpiSubListChoice(int index) {
    const std::optional<std::size_t> button = openListButton();
    if (index < 0 || !button) {
        return;
    }
    applyDpiSwitchChoice(ctx_.config, ctx_.labels, *button, static_cast<DpiSwitchVariant>(index + 1));
    drawKeyRow(*button + 1, false);
    closeDpiSubList();
    functionLists_[*button]->close();
    emit changed();
}

void BasicPage::onFunctionChoice(std::size_t button, int row) {
    if (row < 0 || static_cast<std::size_t>(row) == kDpiSwitchRow) {
        return; // "DPI Switch" is chosen through its sub-list; the list stays open
    }
    const auto chosen = static_cast<std::size_t>(row);
    std::optional<DialogChoice> dialogResult;
    if (chosenBy(chosen) == ChosenBy::Dialog) {
        dialogResult = ctx_.dialogs.chooseAssignment(ctx_.dialogHost(), static_cast<ButtonFunction>(chosen));
        if (!dialogResult) {
            functionLists_[button]->close(); // cancelled: the button keeps what it had
            closeDpiSubList();
            return;
        }
    }
    applyFunctionChoice(ctx_.config, ctx_.labels, ctx_.language, button, chosen, dialogResult);
    drawKeyRow(button + 1, false);
    functionLists_[button]->close();
    closeDpiSubList();
    emit changed();
}

void BasicPage::setReportRate(std::size_t position) {
    ctx_.config.reportRate = reportRateCode(position);
    drawRateCells();
    emit changed();
}

void BasicPage::toggleDpiStage(std::size_t stage) {
    if (q417::toggleDpiStage(ctx_.config, stage)) {
        drawStage(stage);
        emit changed();
    }
}

void BasicPage::setDpiLevel(std::size_t stage, std::size_t cell) {
    q417::setDpiLevel(ctx_.config, stage, cell);
    drawStage(stage);
    emit changed();
}

void BasicPage::pickStageColor(std::size_t stage) {
    if (stage < 1 || stage > kDpiStageCount || ctx_.config.dpiStageEnabled[stage - 1] != 1) {
        return;
    }
    const std::optional<QColor> colour = ctx_.dialogs.pickColour(Qt::black, &ctx_.window);
    if (!colour) {
        return;
    }
    ctx_.config.dpiColor[stage - 1] = {static_cast<std::uint8_t>(colour->red()),
                                       static_cast<std::uint8_t>(colour->green()),
                                       static_cast<std::uint8_t>(colour->blue())};
    paintSwatch(stage);
}

} // namespace q417
