#include "dialogs/name_field.h"

#include "dialogs/dialog_look.h"
#include "skin/skin_canvas.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace q417 {

namespace {

constexpr int kLeftIndent = 2; // keeps left-aligned names off the sunken edge

} // namespace

QLabel* makeNameField(QWidget& dialog, const Rect& rect, Qt::Alignment alignment) {
    auto* field = new QLabel(&dialog); // owned by the dialog
    field->setGeometry(rect.left, rect.top, rect.width(), rect.height());
    field->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A plain panel draws its edge from the palette, so the look is the same under every style.
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setLineWidth(1);
    field->setAlignment(alignment | Qt::AlignVCenter);
    if (alignment.testFlag(Qt::AlignLeft)) {
        field->setIndent(kLeftIndent);
    }
    QPalette palette = field->palette();
    palette.setColor(QPalette::Window, kFieldBackground);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Dark, kSunkenShadow);
    palette.setColor(QPalette::Light, kSunkenLight);
    field->setPalette(palette);
    field->setAutoFillBackground(true);
    field->show();
    return field;
}

void showName(QLabel& field, const QString& name) {
    const int indent = field.alignment().testFlag(Qt::AlignLeft) ? kLeftIndent : 0;
    const FittedText fitted = fitText(name, field.parentWidget()->font(), field.contentsRect().width() - indent);
    field.setFont(fitted.font);
    field.setText(fitted.text);
}

} // namespace q417
