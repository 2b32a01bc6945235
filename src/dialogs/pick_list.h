#pragma once

class QListWidget;

namespace q417 {

// Readies an assignment dialog's open list for its narrow place: no sideways scrolling, a thin
// scroll bar, and, when a row is too wide for the list, all rows in the smaller font in which it
// fits (elided only past the smallest readable size), so every row can be read whole. The rows'
// texts stay as they are.
void fitPickList(QListWidget& list);

} // namespace q417
