#pragma once

#include <QDialog>

namespace nodewick::ui {

// "About": who made the program and how to reach them. Shown without blocking
// the main window; "Ok" only hides it.
class Form2 final : public QDialog {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);
};

}  // namespace nodewick::ui
