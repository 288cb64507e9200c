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

#include <optional>
#include <vector>

#include "about_box.h"
#include "code_page.h"
#include "contact_line.h"
#include "dbx/status_text.h"
#include "export/export_run.h"
#include "export/layer_list.h"
#include "layer_order.h"
#include "offset_dialog.h"
#include "start/conversation.h"
#include "twips.h"

namespace nodewick::ui {

namespace {

// The client area at start, in twips.
constexpr int kClientWidth = 6240;
constexpr int kClientHeight = 3345;
// More and Less set the outer width; the window was laid out with borders of
// 48 twips in all, so the narrow outer width leaves exactly the client width
// of the start, ending where Frame6 begins. The window manager's real border
// comes on top of that, so the narrow layout hides Frame6 and List3 whatever
// border (or none, as under a bare X server) the desktop draws.
constexpr int kWideOuterWidth = 8000;
constexpr int kNarrowOuterWidth = 6288;
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

std::vector<std::string> Entries(const QListWidget* list)
{
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list->count()));
    for (int row = 0; row < list->count(); ++row)
        entries.push_back(ToCodePage(list->item(row)->text()));
    return entries;
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

// Writes the moved texts back in place; the list keeps its items, so only the
// texts and the selection change.
void ShowOrder(QListWidget* list, const LayerOrder& order)
{
    for (std::size_t row = 0; row < order.entries.size(); ++row)
        list->item(static_cast<int>(row))->setText(FromCodePage(order.entries[row]));
    if (order.selected)
        list->setCurrentRow(static_cast<int>(*order.selected));
    else
        list->clearSelection();
}

} // namespace

Pcad::Pcad(dbx::Dbx& dbx, WindowServices services, QWidget* parent)
    : QMainWindow(parent), dbx_(dbx), services_(std::move(services))
{
    setObjectName(QStringLiteral("Pcad"));
    setWindowTitle(tr("Nodewick-356A"));
    QFont controlFont = font();
    controlFont.setPointSize(kControlPointSize);
    setFont(controlFont);
    buildControls();
    buildMenu();
    offset_ = new Offset(
        [this] { return option1_->isChecked() ? exporter::Units::Mils : exporter::Units::Millimetres; },
        services_.beep, this);
    connect(offset_, &Offset::unitsLocked, this, &Pcad::lockUnits);
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    setFixedSize(TwipsToPixels(kClientWidth, dpiX),
                 menuBar()->sizeHint().height() + TwipsToPixels(kClientHeight, dpiY));
    startUp();
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

    frame1_ = add<QGroupBox>("Frame1", client, {120, 480, 3012, 612}, tr("Status"));
    statusLabel_ = add<QLabel>("Status_label", frame1_, {120, 240, 2772, 252});

    frame2_ = add<QGroupBox>("Frame2", client, {120, 1200, 3012, 612}, tr("File"));
    statusLabel3_ = add<QLabel>("Status_label3", frame2_, {120, 240, 2772, 252});

    frame_ = add<QGroupBox>("Frame", client, {3360, 480, 975, 972}, tr("&Units"));
    option1_ = add<QRadioButton>("Option1", frame_, {120, 240, 612, 252}, tr("mils"));
    option1_->setChecked(true);
    option2_ = add<QRadioButton>("Option2", frame_, {120, 600, 612, 252}, tr("mm"));

    frame3_ = add<QGroupBox>("Frame3", client, {3360, 1680, 975, 612}, tr("O&ption"));
    check1_ = add<QCheckBox>("Check1", frame3_, {120, 240, 612, 192}, tr("Tie"));
    check1_->setChecked(true);

    frame4_ = add<QGroupBox>("Frame4", client, {3360, 2520, 975, 612}, tr("S&creen"));
    check2_ = add<QCheckBox>("Check2", frame4_, {120, 240, 735, 252}, tr("View"));

    // The layer list and its buttons lie over Frame5, not inside it.
    frame5_ = add<QGroupBox>("Frame5", client, {4440, 480, 1572, 2652}, tr("Layers"));
    list2_ = add<QListWidget>("List2", client, {4560, 720, 1332, 1425});
    list2_->setSelectionMode(QAbstractItemView::SingleSelection);
    command1_ = add<QPushButton>("Command1", client, {4560, 2400, 612, 252}, tr("Up"));
    command2_ = add<QPushButton>("Command2", client, {5280, 2400, 612, 252}, tr("Down"));
    command5_ = add<QPushButton>("Command5", client, {4560, 2760, 1332, 252}, tr("Reload"));

    // The wide part, uncovered by More.
    frame6_ = add<QGroupBox>("Frame6", client, {6240, 480, 1572, 2052}, tr("ViaStyle"));
    list3_ = add<QListWidget>("List3", client, {6360, 720, 1332, 1425});
    list3_->setSelectionMode(QAbstractItemView::SingleSelection);

    start_ = add<QPushButton>("Start", client, {120, 2760, 855, 372}, tr("&Start"));
    exit_ = add<QPushButton>("Exit", client, {1200, 2760, 855, 372}, tr("&End"));
    command3_ = add<QPushButton>("Command3", client, {2280, 2760, 855, 372}, tr("&More>>"));
    command4_ = add<QPushButton>("Command4", client, {2280, 2760, 855, 372}, tr("<<&Less"));
    command4_->hide();
    for (QPushButton* button : {start_, exit_, command3_, command4_})
        MakeBold(button);

    // The export keeps its sorted work list to itself; the hidden list stays
    // as the window's place for it.
    list1_ = add<QListWidget>("List1", client, {5160, 120, 252, 255});
    list1_->setSortingEnabled(true);
    list1_->hide();

    label1_ = add<QLabel>("Label1", client, {2280, 120, 1815, 375}, tr("IPC-D-356A"));
    QFont titleFont = label1_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(kTitlePointSize);
    label1_->setFont(titleFont);
    QPalette titlePalette = label1_->palette();
    titlePalette.setColor(QPalette::WindowText, kTitleBlue);
    label1_->setPalette(titlePalette);

    label6_ = add<QLabel>("Label6", client, {240, 2160, 3255, 255}, ContactLine());
    MakeBold(label6_);

    connect(start_, &QPushButton::clicked, this, &Pcad::start);
    connect(exit_, &QPushButton::clicked, this, &Pcad::end);
    connect(command3_, &QPushButton::clicked, this, &Pcad::more);
    connect(command4_, &QPushButton::clicked, this, &Pcad::less);
    connect(command5_, &QPushButton::clicked, this, &Pcad::fillLayerList);
    connect(command1_, &QPushButton::clicked, this, &Pcad::moveEntryUp);
    connect(command2_, &QPushButton::clicked, this, &Pcad::moveEntryDown);
}

void Pcad::buildMenu()
{
    QMenuBar* bar = menuBar();
    ictOpt_ = bar->addAction(tr("&ICT"));
    ictOpt_->setObjectName(QStringLiteral("ICT_OPT"));
    // Shown for its place in the bar; nothing ever makes it available.
    ictOpt_->setEnabled(false);
    offsetMenu_ = bar->addAction(tr("&Offset"));
    offsetMenu_->setObjectName(QStringLiteral("Offset_1"));
    helpMenu_ = bar->addAction(tr("&About"));
    helpMenu_->setObjectName(QStringLiteral("Help_1"));
    connect(offsetMenu_, &QAction::triggered, this, [this] { offset_->showAndReformat(); });
    connect(helpMenu_, &QAction::triggered, this, &Pcad::showAbout);
}

void Pcad::showStatus(const std::string& message)
{
    setStatusLine(QString::fromStdString(message));
}

void Pcad::setStatusLine(const QString& text)
{
    statusLabel_->setText(text);
    // A message of the program's own is often longer than the line.
    statusLabel_->setToolTip(text);
}

void Pcad::startUp()
{
    offset_->setTexts(QStringLiteral("0"), QStringLiteral("0"));
    statusLabel3_->clear();
    start_->setEnabled(false);

    start::Conversation conversation = start::OpenConversation(dbx_);
    context_ = conversation.context;
    conversationOpen_ = true;
    dbxStatus_ = conversation.status;
    setStatusLine(FromCodePage(dbx::StatusText(dbxStatus_)));
    statusLabel3_->setText(FromCodePage(conversation.names.file));
    // The engineer learns why a saved layer order did not come back.
    for (const std::string& warning : conversation.warnings)
        showStatus(warning);
    if (dbxStatus_ != dbx::status::kSuccess)
        return;
    ShowEntries(list2_, conversation.layerList);
    ShowEntries(list3_, conversation.viaStyles);
    start_->setEnabled(true);
}

void Pcad::fillLayerList()
{
    ShowEntries(list2_, exporter::FillLayerList(dbx_, context_));
}

void Pcad::moveEntryUp()
{
    LayerOrder order{Entries(list2_), SelectedRow(list2_)};
    MoveEntryUp(order);
    ShowOrder(list2_, order);
}

void Pcad::moveEntryDown()
{
    LayerOrder order{Entries(list2_), SelectedRow(list2_)};
    MoveEntryDown(order);
    ShowOrder(list2_, order);
}

void Pcad::setOuterWidth(int twips)
{
    setFixedWidth(TwipsToPixels(twips - kBorderAllowance, logicalDpiX()));
}

void Pcad::more()
{
    command3_->hide();
    command4_->show();
    setOuterWidth(kWideOuterWidth);
}

void Pcad::less()
{
    command4_->hide();
    command3_->show();
    setOuterWidth(kNarrowOuterWidth);
}

void Pcad::showAbout()
{
    if (!about_)
        about_ = new Form2(this);
    about_->show();
}

void Pcad::lockUnits()
{
    option1_->setEnabled(false);
    option2_->setEnabled(false);
}

void Pcad::end()
{
    if (ended_)
        return;
    ended_ = true;
    // A failed close (no design was ever open) does not keep the program alive.
    if (conversationOpen_)
        dbxStatus_ = dbx_.TCloseDesign(context_, "");
    conversationOpen_ = false;
    services_.quit();
}

void Pcad::closeEvent(QCloseEvent* event)
{
    end();
    event->accept();
}

void Pcad::disableForExport()
{
    for (QWidget* control : std::initializer_list<QWidget*>{check1_, command1_, command2_, command3_, command4_,
                                                            command5_, option1_, option2_, check2_, start_})
        control->setEnabled(false);
}

void Pcad::start()
{
    disableForExport();
    exporter::ExportChoices choices{
        .units = option1_->isChecked() ? exporter::Units::Mils : exporter::Units::Millimetres,
        .tie = check1_->isChecked(),
        .view = check2_->isChecked(),
        .offsetXText = ToCodePage(offset_->xText()),
        .offsetYText = ToCodePage(offset_->yText()),
        .layerList = Entries(list2_),
    };
    std::optional<std::string> viewerError;
    const exporter::ExportHooks hooks{
        .showStatus = [this](const std::string& text) { setStatusLine(FromCodePage(text)); },
        .showFile = [this](const std::string& text) { statusLabel3_->setText(FromCodePage(text)); },
        .dateTimeText = services_.dateTimeText,
        .openInViewer = [this, &viewerError](const std::string& path) { viewerError = services_.openInViewer(path); },
    };
    const exporter::ExportResult result = exporter::RunExport(dbx_, context_, dbxStatus_, choices, hooks);
    // The run closes the conversation on every way out.
    conversationOpen_ = false;
    for (const std::string& warning : result.warnings)
        services_.warn(warning);
    if (!result.written) {
        // The window stays open so the engineer can read why; End closes it.
        showStatus(result.error);
        return;
    }
    if (viewerError) {
        // The file is written, but the engineer asked to see it: say why the
        // editor did not come up instead of vanishing.
        showStatus(*viewerError);
        return;
    }
    end();
}

} // namespace nodewick::ui
