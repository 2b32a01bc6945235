#pragma once

#include "config/mouse_config.h"
#include "pages/page_painter.h"
#include "texts/language.h"

#include <QObject>
#include <QPointer>
#include <array>

class QLabel;
class QPoint;
class QWidget;

namespace q417 {

class SkinDropDown;

// The lighting section of the basic page: the Mode, Parameter and Effect value fields with their
// captions, and the list under each field. It edits ledMode, ledLevel and ledOption1..3 of the record
// at once; nothing reaches the mouse before OK or Apply. The Parameter and Effect fields exist only
// for modes 1 to 3; choosing a mode over "Off" creates them at once.
class LightingSection : public QObject {
    Q_OBJECT
public:
    enum class Field : std::uint8_t { Mode, Parameter, Effect };

    LightingSection(QWidget& window, PagePainter& painter, MouseConfig& config, Language language);

    // The captions, drawn by the page with its other texts.
    void drawCaptions();
    // Creates the value fields that do not exist yet, showing the record's values.
    void createFields();
    // Destroys the fields and the lists, and clears the open flags.
    void destroyFields();
    [[nodiscard]] bool fieldsExist() const { return !valueFields_[0].isNull(); }

    // Closes each open list whose field the click is not on.
    void closeListsFor(QPoint point);
    // A click on a field's click rectangle: opens or closes its list. In Standard mode the Effect
    // field has no list: it shows the one effect again and only keeps an open flag.
    void toggle(Field field);
    [[nodiscard]] bool isOpen(Field field) const;

    // For tests and screenshots: the field's value window (null when it does not exist) and list.
    [[nodiscard]] QLabel* valueField(Field field) const;
    [[nodiscard]] SkinDropDown& list(Field field) { return *lists_[index(field)]; }

signals:
    void changed();

private:
    static constexpr std::size_t index(Field field) { return static_cast<std::size_t>(field); }
    void choose(Field field, int row);
    void showValues();
    QLabel* createField(Field field);

    QWidget& window_;
    PagePainter& painter_;
    MouseConfig& config_;
    Language language_;
    std::array<QPointer<QLabel>, 3> valueFields_;
    std::array<SkinDropDown*, 3> lists_{}; // children of this section
    bool standardEffectOpen_ = false;
};

} // namespace q417
