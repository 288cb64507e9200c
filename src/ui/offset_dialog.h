#pragma once

#include <QDialog>

#include <functional>

#include "export/export_run.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace nodewick::ui {

// "Offset Menu": the X and Y offsets the export adds to every coordinate, kept
// only as the texts of Text1 and Text2 and typed in the unit the main window
// has selected. Any change of a text, typed or set, is held to the unit's
// limit: a larger value becomes the limit text and the beeper sounds.
class Offset final : public QDialog {
    Q_OBJECT

public:
    Offset(std::function<exporter::Units()> selectedUnits, std::function<void()> beep,
           QWidget* parent = nullptr);

    QString xText() const;
    QString yText() const;
    void setTexts(const QString& x, const QString& y);

    // What the main window's "&Offset" entry does: shows the dialog without
    // blocking, then rewrites both texts, first as plain numbers, then in the
    // display format of the unit selected now.
    void showAndReformat();

signals:
    // "&OK" was pressed: from now on the unit must not change.
    void unitsLocked();

private:
    void holdToLimit(QLineEdit* box);

    std::function<exporter::Units()> selectedUnits_;
    std::function<void()> beep_;
    QLabel* label1_;
    QLineEdit* text1_;
    QLabel* label2_;
    QLineEdit* text2_;
    QPushButton* command1_;
    QPushButton* command2_;
};

} // namespace nodewick::ui
