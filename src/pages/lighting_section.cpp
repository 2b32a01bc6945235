#include "pages/lighting_section.h"

#include "pages/lighting_layout.h"
#include "pages/lighting_rules.h"
#include "skin/skin_drop_down.h"
#include "texts/main_window_texts.h"

#include <QLabel>
#include <QPoint>
#include <QWidget>

namespace q417 {

namespace ll = lighting_layout;

namespace {

constexpr std::array<const ll::Field*, 3> kFields{&ll::kMode, &ll::kParameter, &ll::kEffect};
constexpr std::array<TextId, 3> kCaptions{TextId::Mode, TextId::Parameter, TextId::Effect};

QStringList toRows(const std::vector<std::string>& rows) {
    QStringList list;
    for (const std::string& row : rows) {
        list << QString::fromStdString(row);
    }
    return list;
}

} // namespace

LightingSection::LightingSection(QWidget& window, PagePainter& painter, MouseConfig& config, Language language)
    : QObject(&window)
    , window_(window)
    , painter_(painter)
    , config_(config)
    , language_(language) {
    const std::array<SkinDropDown::RowSource, 3> rows{
        [this] { return toRows(ledModeRows(language_)); },
        [this] { return toRows(ledParameterRows(config_.ledMode)); },
        [this] { return toRows(ledEffectRows(language_, config_.ledMode)); },
    };
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const SkinDropDown::Options options{.regions = {kFields[i]->click, kFields[i]->list},
                                            .hotTracking = true,
                                            .wheelScrolls = false,
                                            .closesOnChoice = true,
                                            .blackList = true};
        lists_[i] = new SkinDropDown(window, options, rows[i]);
        lists_[i]->setParent(this);
        connect(lists_[i], &SkinDropDown::chosen, this,
                [this, field = static_cast<Field>(i)](int row) { choose(field, row); });
    }
}

void LightingSection::drawCaptions() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        painter_.text(kFields[i]->caption, text(language_, kCaptions[i]), Qt::AlignRight | Qt::AlignVCenter);
    }
}

QLabel* LightingSection::createField(Field field) {
    QPointer<QLabel>& slot = valueFields_[index(field)];
    if (slot.isNull()) {
        const Rect& r = kFields[index(field)]->value;
        auto* label = new QLabel(&window_); // owned by the window until the page is left
        label->setGeometry(r.left, r.top, r.width(), r.height());
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents); // clicks count by the page's rectangles
        label->setAutoFillBackground(true);
        const QColor colour = painter_.textColour();
        label->setStyleSheet(QString("QLabel { color: %1; background: black; }").arg(colour.name()));
        label->show();
        slot = label;
    }
    return slot.data();
}

void LightingSection::createFields() {
    createField(Field::Mode);
    if (ledModeHasFields(config_.ledMode)) {
        createField(Field::Parameter);
        createField(Field::Effect);
    }
    showValues();
}

void LightingSection::showValues() {
    const std::array<std::string, 3> values{ledModeName(language_, config_.ledMode), ledParameterText(config_),
                                            ledEffectText(config_, language_)};
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (QLabel* field = valueFields_[i].data()) {
            // A long mode name (Spanish "Modo Respiracion") shrinks or is elided, never cut at both ends.
            const FittedText fitted = fitText(QString::fromStdString(values[i]), painter_.textFont(), field->width());
            field->setFont(fitted.font);
            field->setText(fitted.text);
        }
    }
}

void LightingSection::destroyFields() {
    for (SkinDropDown* list : lists_) {
        list->close();
    }
    standardEffectOpen_ = false;
    for (QPointer<QLabel>& field : valueFields_) {
        if (QLabel* gone = field.data()) {
            gone->hide(); // gone from the picture at once, deleted when the event loop comes round
            gone->deleteLater();
        }
        field.clear();
    }
}

void LightingSection::closeListsFor(QPoint point) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (!kFields[i]->click.contains(point.x(), point.y())) {
            lists_[i]->close();
            if (static_cast<Field>(i) == Field::Effect) {
                standardEffectOpen_ = false;
            }
        }
    }
}

bool LightingSection::isOpen(Field field) const {
    return lists_[index(field)]->isOpen() || (field == Field::Effect && standardEffectOpen_);
}

void LightingSection::toggle(Field field) {
    if (field != Field::Mode && !ledModeHasFields(config_.ledMode)) {
        return; // "Off" shows no Parameter or Effect field to open
    }
    SkinDropDown& list = *lists_[index(field)];
    if (field == Field::Effect && config_.ledMode == 1) {
        // Standard has its one effect and no list: the field shows it again.
        standardEffectOpen_ = !standardEffectOpen_;
        showValues();
        return;
    }
    if (field == Field::Parameter && !list.isOpen()) {
        list.setRegions({ll::kParameter.click, ll::parameterList(ledParameterListHeight(config_.ledMode))});
    }
    list.toggle();
}

void LightingSection::choose(Field field, int row) {
    if (row < 0) {
        return;
    }
    const auto r = static_cast<std::size_t>(row);
    switch (field) {
    case Field::Mode:
        chooseLedMode(config_, r);
        createFields();
        break;
    case Field::Parameter:
        chooseLedParameter(config_, r);
        break;
    case Field::Effect:
        chooseLedEffect(config_, r);
        break;
    }
    showValues();
    emit changed();
}

QLabel* LightingSection::valueField(Field field) const {
    return valueFields_[index(field)].data();
}

} // namespace q417
