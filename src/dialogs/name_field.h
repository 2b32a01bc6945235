#pragma once

#include "skin/rect.h"

#include <Qt>

class QLabel;
class QString;
class QWidget;

namespace q417 {

// The sunken field in which an assignment dialog shows the name chosen from its list: white on
// dark grey in the dialog's font. Clicks go through it to the dialog, whose regions decide what a
// click on the field does. The field is a child of `dialog`.
QLabel* makeNameField(QWidget& dialog, const Rect& rect, Qt::Alignment alignment);

// Shows `name` in a field made by makeNameField: in the dialog's font where it fits, else in a
// smaller one, and elided only past the smallest readable size.
void showName(QLabel& field, const QString& name);

} // namespace q417
