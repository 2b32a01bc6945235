#pragma once

#include "assign/dialog_choice.h"
#include "assign/fire_key_fields.h"
#include "dialogs/dialog_runner.h"
#include "dialogs/skinned_dialog.h"

#include <QString>
#include <cstddef>
#include <cstdint>

class QLabel;
class QLineEdit;

namespace q417 {

class SkinDropDown;

// Sets up an auto-fire: the key or mouse button to repeat, chosen from the fire-key list, the
// speed (5..255, smaller is faster) and the number of shots (0..255, 0 while the button is held).
// It starts on "A", speed 32 and one shot, and changes nothing itself: on Accepted the caller reads
// `choice()`. Out-of-range numbers are silently put back to a safe value.
class FireKeyDialog : public SkinnedDialog {
    Q_OBJECT
public:
    FireKeyDialog(const DialogHost& host, MessageSink& messages);

    [[nodiscard]] FireKeyChoice choice() const;
    [[nodiscard]] SkinDropDown& keyList() { return *keyList_; }
    // The controls; null without the background.
    [[nodiscard]] QLabel* keyField() const { return keyField_; }
    [[nodiscard]] QLineEdit* speedField() const { return speedField_; }
    [[nodiscard]] QLineEdit* timesField() const { return timesField_; }

    // Takes the speed field as it stands before ending, as losing its focus would.
    void accept() override;

protected:
    void drawContents(SkinCanvas& canvas) override;
    void clickAt(QPoint point) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void chooseKey(int row);
    void listOpened(bool open);
    void checkSpeed();
    void checkTimes();
    void drawExplanation(SkinCanvas& canvas, const Rect& rect, const QString& text);

    QString speedLabel_;
    QString timesLabel_;
    QString speedExplanation_;
    QString timesExplanation_;
    std::size_t row_ = 0;
    QString keyName_;
    std::uint8_t speed_ = kFireSpeedStart;
    std::uint8_t times_ = kFireTimesStart;
    SkinDropDown* keyList_; // children of this dialog
    QLabel* keyField_ = nullptr;
    QLineEdit* speedField_ = nullptr;
    QLineEdit* timesField_ = nullptr;
};

} // namespace q417
