#pragma once

#include <QDialog>

#include "window_view.h"

class QLineEdit;

namespace nodewick::ui {

class WindowModel;

// "Offset Menu": the X and Y offsets the export adds to every coordinate, in
// the text boxes Text1 and Text2, with "&OK" and "&Cancel". The dialog only
// binds its controls to the window's behaviour (WindowModel): what the user
// types goes to the model, which holds it to the unit's limit and answers
// through the main window's view.
class Offset final : public QDialog {
    Q_OBJECT

public:
    Offset(WindowModel& model, QWidget* parent = nullptr);

    QString xText() const;
    QString yText() const;
    // The model's own change of a text: not reported back to it.
    void setText(OffsetBox box, const QString& text);

private:
    QLineEdit* box(OffsetBox which) const;

    QLineEdit* text1_;
    QLineEdit* text2_;
};

}  // namespace nodewick::ui
