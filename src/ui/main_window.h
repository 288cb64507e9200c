#pragma once

#include <QMainWindow>
#include <QRect>

#include <string>

#include "dbx/dbx.h"
#include "window_services.h"

class QAction;
class QCheckBox;
class QGroupBox;
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
// Option1, ...) as object names. The start-up sequence runs in the constructor,
// before the window is first shown.
class Pcad final : public QMainWindow {
    Q_OBJECT

public:
    Pcad(dbx::Dbx& dbx, WindowServices services, QWidget* parent = nullptr);

    // Puts a message of the program's own (a design file that would not load)
    // in the status line.
    void showStatus(const std::string& message);

    Offset& offsetDialog() const { return *offset_; }

protected:
    // The title bar's close ends the program the way End does: the DBX
    // conversation is closed and the hidden dialogs do not keep the program alive.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    // Makes a control of that object name in `parent`, placed by its twips.
    template <typename Control, typename... Caption>
    Control* add(const char* name, QWidget* parent, QRect twips, Caption&&... caption);
    void setOuterWidth(int twips);
    void setStatusLine(const QString& text);

    void startUp();
    void fillLayerList();
    void moveEntryUp();
    void moveEntryDown();
    void more();
    void less();
    void end();
    void start();
    void showAbout();
    void lockUnits();
    void disableForExport();

    dbx::Dbx& dbx_;
    WindowServices services_;
    dbx::DbxContext context_;
    dbx::DbxStatus dbxStatus_ = dbx::status::kSuccess;
    bool conversationOpen_ = false;
    bool ended_ = false;

    Offset* offset_ = nullptr;
    Form2* about_ = nullptr;

    QGroupBox* frame1_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QLabel* statusLabel3_ = nullptr;
    QGroupBox* frame_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QGroupBox* frame3_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QGroupBox* frame4_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QGroupBox* frame5_ = nullptr;
    QListWidget* list2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command5_ = nullptr;
    QGroupBox* frame6_ = nullptr;
    QListWidget* list3_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* exit_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QListWidget* list1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label6_ = nullptr;
    QAction* ictOpt_ = nullptr;
    QAction* offsetMenu_ = nullptr;
    QAction* helpMenu_ = nullptr;
};

} // namespace nodewick::ui
