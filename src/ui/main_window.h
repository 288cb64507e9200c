#pragma once

#include <QMainWindow>
#include <QRect>

#include <string>
#include <vector>

#include "dbx/dbx.h"
#include "window_model.h"
#include "window_services.h"
#include "window_view.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace nodewick::ui {

class Form2;
class Offset;

// "Nodewick-356A", the one window the engineer works in: DBX status and design
// file, units, Tie, View, the layer order the tester will see, and Start.
// Controls carry the names the rest of the system knows them by (Start, List2,
// Option1, ...) as object names. The window only binds its Qt controls to the
// behaviour in WindowModel; the start-up sequence runs in the constructor,
// before the window is first shown. `notes` are the program's own messages
// for the status line (a design file's warnings, or why it did not load).
class Pcad final : public QMainWindow, private WindowView {
    Q_OBJECT

public:
    Pcad(dbx::Dbx& dbx, WindowServices services, const std::vector<std::string>& notes = {}, QWidget* parent = nullptr);

    Offset& offsetDialog() const { return *offset_; }

protected:
    // The title bar's close ends the program the way End does: the DBX
    // conversation is closed and the hidden dialogs do not keep the program alive.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void bindControls();
    // Makes a control of that object name in `parent`, placed by its twips.
    template <typename Control, typename... Caption>
    Control* add(const char* name, QWidget* parent, QRect twips, Caption&&... caption);

    // WindowView
    void setStatusText(const std::string& text) override;
    void setFileText(const std::string& text) override;
    void showLayerList(const std::vector<std::string>& entries, std::optional<std::size_t> selected) override;
    void showViaStyles(const std::vector<std::string>& names) override;
    void setControlEnabled(Control control, bool enabled) override;
    void setControlVisible(Control control, bool visible) override;
    void setControlChecked(Control control, bool checked) override;
    void setOuterWidth(int twips) override;
    void setOffsetText(OffsetBox box, const std::string& text) override;
    void showOffsetDialog() override;
    void hideOffsetDialog() override;

    // "&About": Form2, made the first time it is shown.
    void showAboutBox();

    QWidget* widget(Control control) const;

    WindowModel model_;
    Offset* offset_ = nullptr;
    Form2* about_ = nullptr;

    QLabel* statusLabel_ = nullptr;
    QLabel* statusLabel3_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QListWidget* list2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command5_ = nullptr;
    QListWidget* list3_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* exit_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QAction* ictOpt_ = nullptr;
};

}  // namespace nodewick::ui
