#include "main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "about_box.h"
#include "code_page.h"
#include "contact_line.h"
#include "offset_dialog.h"
#include "twips.h"

namespace nodewick::ui {

namespace {

// The layout was made for borders of 48 twips in all, the difference of the
// narrow outer width and the client width. The window manager's real border
// comes on top of the client width, so the narrow layout hides Frame6 and
// List3 whatever border (or none, as under a bare X server) the desktop draws.
constexpr int kBorderAllowance = kNarrowOuterWidth - kClientWidth;

// The layout's dark blue for the format name.
const QColor kTitleBlue(0, 0, 192);
constexpr double kTitlePointSize = 13.5;
// The layout's controls were sized for a small 8 point dialog font.
constexpr int kControlPointSize = 8;

void MakeBold(QWidget* control)
{
    QFont font = control->font();
    font.setBold(true);
    control->setFont(font);
}

void ShowEntries(QListWidget* list, const std::vector<std::string>& entries)
{
    list->clear();
    for (const std::string& entry : entries)
        list->addItem(FromCodePage(entry));
}

std::optional<std::size_t> SelectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(list->row(selected.front()));
}

}  // namespace

Pcad::Pcad(dbx::Dbx& dbx, WindowServices services, const std::vector<std::string>& notes, QWidget* parent)
    : QMainWindow(parent), model_(dbx, *this, std::move(services))
{
    setObjectName(QStringLiteral("Pcad"));
    setWindowTitle(tr("Nodewick-356A"));
    QFont controlFont = font();
    controlFont.setPointSize(kControlPointSize);
    setFont(controlFont);
    buildControls();
    buildMenu();
    offset_ = new Offset(model_, this);
    bindControls();
    setFixedSize(TwipsToPixels(kClientWidth, logicalDpiX()),
                 menuBar()->sizeHint().height() + TwipsToPixels(kClientHeight, logicalDpiY()));
    model_.startUp(notes);
}

template <typename Control, typename... Caption>
Control* Pcad::add(const char* name, QWidget* parent, QRect twips, Caption&&... caption)
{
    auto* control = new Control(std::forward<Caption>(caption)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    control->setGeometry(TwipsToPixels(twips.x(), dpiX), TwipsToPixels(twips.y(), dpiY),
                         TwipsToPixels(twips.width(), dpiX), TwipsToPixels(twips.height(), dpiY));
    return control;
}

void Pcad::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    auto* frame1 = add<QGroupBox>("Frame1", client, {120, 480, 3012, 612}, tr("Status"));
    statusLabel_ = add<QLabel>("Status_label", frame1, {120, 240, 2772, 252});

    auto* frame2 = add<QGroupBox>("Frame2", client, {120, 1200, 3012, 612}, tr("File"));
    statusLabel3_ = add<QLabel>("Status_label3", frame2, {120, 240, 2772, 252});

    auto* frame = add<QGroupBox>("Frame", client, {3360, 480, 975, 972}, tr("&Units"));
    option1_ = add<QRadioButton>("Option1", frame, {120, 240, 612, 252}, tr("mils"));
    option2_ = add<QRadioButton>("Option2", frame, {120, 600, 612, 252}, tr("mm"));

    auto* frame3 = add<QGroupBox>("Frame3", client, {3360, 1680, 975, 612}, tr("O&ption"));
    check1_ = add<QCheckBox>("Check1", frame3, {120, 240, 612, 192}, tr("Tie"));

    auto* frame4 = add<QGroupBox>("Frame4", client, {3360, 2520, 975, 612}, tr("S&creen"));
    check2_ = add<QCheckBox>("Check2", frame4, {120, 240, 735, 252}, tr("View"));

    // The layer list and its buttons lie over Frame5, not inside it.
    add<QGroupBox>("Frame5", client, {4440, 480, 1572, 2652}, tr("Layers"));
    list2_ = add<QListWidget>("List2", client, {4560, 720, 1332, 1425});
    list2_->setSelectionMode(QAbstractItemView::SingleSelection);
    command1_ = add<QPushButton>("Command1", client, {4560, 2400, 612, 252}, tr("Up"));
    command2_ = add<QPushButton>("Command2", client, {5280, 2400, 612, 252}, tr("Down"));
    command5_ = add<QPushButton>("Command5", client, {4560, 2760, 1332, 252}, tr("Reload"));

    // The wide part, uncovered by More.
    add<QGroupBox>("Frame6", client, {6240, 480, 1572, 2052}, tr("ViaStyle"));
    list3_ = add<QListWidget>("List3", client, {6360, 720, 1332, 1425});
    list3_->setSelectionMode(QAbstractItemView::SingleSelection);

    start_ = add<QPushButton>("Start", client, {120, 2760, 855, 372}, tr("&Start"));
    exit_ = add<QPushButton>("Exit", client, {1200, 2760, 855, 372}, tr("&End"));
    command3_ = add<QPushButton>("Command3", client, {2280, 2760, 855, 372}, tr("&More>>"));
    command4_ = add<QPushButton>("Command4", client, {2280, 2760, 855, 372}, tr("<<&Less"));
    for (QPushButton* button : {start_, exit_, command3_, command4_})
        MakeBold(button);

    // The export keeps its sorted work list to itself; the hidden list stays
    // as the window's place for it.
    auto* list1 = add<QListWidget>("List1", client, {5160, 120, 252, 255});
    list1->setSortingEnabled(true);
    list1->hide();

    auto* label1 = add<QLabel>("Label1", client, {2280, 120, 1815, 375}, tr("IPC-D-356A"));
    QFont titleFont = label1->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(kTitlePointSize);
    label1->setFont(titleFont);
    QPalette titlePalette = label1->palette();
    titlePalette.setColor(QPalette::WindowText, kTitleBlue);
    label1->setPalette(titlePalette);

    MakeBold(add<QLabel>("Label6", client, {240, 2160, 3255, 255}, ContactLine()));
}

void Pcad::buildMenu()
{
    QMenuBar* bar = menuBar();
    ictOpt_ = bar->addAction(tr("&ICT"));
    ictOpt_->setObjectName(QStringLiteral("ICT_OPT"));
    QAction* offsetMenu = bar->addAction(tr("&Offset"));
    offsetMenu->setObjectName(QStringLiteral("Offset_1"));
    QAction* helpMenu = bar->addAction(tr("&About"));
    helpMenu->setObjectName(QStringLiteral("Help_1"));
    connect(offsetMenu, &QAction::triggered, this, [this] { model_.openOffsetDialog(); });
    connect(helpMenu, &QAction::triggered, this, &Pcad::showAboutBox);
}

// Clicks and toggles by the user go to the model; the model's own changes
// are made with the controls' signals held back.
void Pcad::bindControls()
{
    connect(option1_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            model_.unitsChosen(exporter::Units::Mils);
    });
    connect(option2_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            model_.unitsChosen(exporter::Units::Millimetres);
    });
    connect(check1_, &QCheckBox::toggled, this, [this](bool on) { model_.tieChosen(on); });
    connect(check2_, &QCheckBox::toggled, this, [this](bool on) { model_.viewChosen(on); });
    connect(list2_, &QListWidget::itemSelectionChanged, this, [this] { model_.layerSelected(SelectedRow(list2_)); });
    connect(start_, &QPushButton::clicked, this, [this] { model_.start(); });
    connect(exit_, &QPushButton::clicked, this, [this] { model_.end(); });
    connect(command3_, &QPushButton::clicked, this, [this] { model_.more(); });
    connect(command4_, &QPushButton::clicked, this, [this] { model_.less(); });
    connect(command5_, &QPushButton::clicked, this, [this] { model_.reload(); });
    connect(command1_, &QPushButton::clicked, this, [this] { model_.moveUp(); });
    connect(command2_, &QPushButton::clicked, this, [this] { model_.moveDown(); });
}

void Pcad::closeEvent(QCloseEvent* event)
{
    model_.end();
    event->accept();
}

QWidget* Pcad::widget(Control control) const
{
    switch (control) {
    case Control::Option1:
        return option1_;
    case Control::Option2:
        return option2_;
    case Control::Check1:
        return check1_;
    case Control::Check2:
        return check2_;
    case Control::Command1:
        return command1_;
    case Control::Command2:
        return command2_;
    case Control::Command3:
        return command3_;
    case Control::Command4:
        return command4_;
    case Control::Command5:
        return command5_;
    case Control::Start:
        return start_;
    case Control::ICT_OPT:
        break;
    }
    return nullptr;
}

void Pcad::setStatusText(const std::string& text)
{
    const QString shown = FromCodePage(text);
    statusLabel_->setText(shown);
    // A message of the program's own is often longer than the line.
    statusLabel_->setToolTip(shown);
}

void Pcad::setFileText(const std::string& text)
{
    statusLabel3_->setText(FromCodePage(text));
}

void Pcad::showLayerList(const std::vector<std::string>& entries, std::optional<std::size_t> selected)
{
    const QSignalBlocker quiet(list2_);
    ShowEntries(list2_, entries);
    if (selected)
        list2_->setCurrentRow(static_cast<int>(*selected));
    else
        list2_->clearSelection();
}

void Pcad::showViaStyles(const std::vector<std::string>& names)
{
    ShowEntries(list3_, names);
}

void Pcad::setControlEnabled(Control control, bool enabled)
{
    if (control == Control::ICT_OPT)
        ictOpt_->setEnabled(enabled);
    else
        widget(control)->setEnabled(enabled);
}

void Pcad::setControlVisible(Control control, bool visible)
{
    widget(control)->setVisible(visible);
}

void Pcad::setControlChecked(Control control, bool checked)
{
    auto* button = qobject_cast<QAbstractButton*>(widget(control));
    const QSignalBlocker quiet(button);
    button->setChecked(checked);
}

void Pcad::setOuterWidth(int twips)
{
    setFixedWidth(TwipsToPixels(twips - kBorderAllowance, logicalDpiX()));
}

void Pcad::setOffsetText(OffsetBox box, const std::string& text)
{
    offset_->setText(box, FromCodePage(text));
}

void Pcad::showOffsetDialog()
{
    offset_->show();
    offset_->raise();
    offset_->activateWindow();
}

void Pcad::hideOffsetDialog()
{
    offset_->hide();
}

void Pcad::showAboutBox()
{
    if (!about_)
        about_ = new Form2(this);
    about_->show();
}

}  // namespace nodewick::ui
