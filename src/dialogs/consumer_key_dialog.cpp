#include "dialogs/consumer_key_dialog.h"

#include "dialogs/dialog_keys.h"
#include "dialogs/name_field.h"
#include "skin/qt_convert.h"
#include "skin/skin_drop_down.h"

#include <QLabel>
#include <QStringList>
#include <algorithm>

namespace q417 {

namespace {

// The list stops at the dialog's bottom edge: a list reaching past it would hide its last rows and
// the end of its scroll bar under the edge.
DropDownRegions keptInside(DropDownRegions regions, int dialogHeight) {
    regions.list.bottom = std::min(regions.list.bottom, dialogHeight);
    return regions;
}

} // namespace

ConsumerKeyDialog::ConsumerKeyDialog(const DialogHost& host, const ConsumerKeyLayout& layout, MessageSink& messages)
    : SkinnedDialog(host.skin, layout.kind, captionsIn(host.language), messages, host.origin, host.parent)
    , layout_(layout)
    , language_(host.language) {
    rowList_ = new SkinDropDown(
        *this, {.regions = keptInside(layout_.regions, height()), .hotTracking = false, .wheelScrolls = false}, [this] {
            QStringList rows;
            for (std::size_t row = 0; row < layout_.rowCount; ++row) {
                rows << rowText(row);
            }
            return rows;
        });
    addDropDown(*rowList_);
    connect(rowList_, &SkinDropDown::chosen, this, [this](int row) { chooseRow(row); });
    if (!backgroundLoaded()) {
        return; // no texts and no controls without the background
    }
    rowName_ = rowText(0);
    nameField_ = makeNameField(*this, kConsumerNameFieldRect, Qt::AlignLeft);
    showName(*nameField_, rowName_);
}

QString ConsumerKeyDialog::rowText(std::size_t row) const {
    return fromUtf8(layout_.rowText(language_, row));
}

void ConsumerKeyDialog::clickAt(QPoint point) {
    if (backgroundLoaded() && layout_.regions.box.contains(point.x(), point.y())) {
        rowList_->toggle();
    }
}

void ConsumerKeyDialog::keyPressEvent(QKeyEvent* event) {
    if (confirmsDialog(*event)) {
        accept();
        return;
    }
    SkinnedDialog::keyPressEvent(event); // Esc cancels
}

void ConsumerKeyDialog::chooseRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= layout_.rowCount) {
        return;
    }
    row_ = static_cast<std::size_t>(row);
    rowName_ = rowText(row_);
    if (nameField_ != nullptr) {
        showName(*nameField_, rowName_);
    }
}

} // namespace q417
