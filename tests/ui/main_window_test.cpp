// Drives the main window as the engineer would: start-up with and without a
// design, the layout, Up and Down, Reload, More and Less, the settings file,
// the About box, End and the title bar's close.

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include "design/stand_in_editor.h"
#include "ui/about_box.h"
#include "ui/main_window.h"
#include "ui/offset_dialog.h"
#include "ui/twips.h"
#include "window_harness.h"

namespace nodewick::ui::testing {
namespace {

// One program start on a design in a folder of its own (or on none).
class Session {
public:
    void writeFile(const QString& name, const QByteArray& content)
    {
        QFile file(folder_.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

    void writeSettings(const QByteArray& content) { writeFile(QStringLiteral("Nodewick.ini"), content); }

    Pcad& open(bool withDesign = true)
    {
        std::optional<design::Design> design;
        if (withDesign)
            design = LayeredDesign(folder_.path().toStdString());
        editor_ = std::make_unique<design::StandInEditor>(std::move(design));
        window_ = std::make_unique<Pcad>(*editor_, ListeningServices(heard_));
        return *window_;
    }

    // Opens and puts the window on screen, as the program does; false when
    // it never got there.
    bool openShown(bool withDesign = true)
    {
        open(withDesign).show();
        return QTest::qWaitForWindowExposed(window_.get());
    }

    void press(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    QListWidget* layers() { return control<QListWidget>("List2"); }

    Pcad& window() { return *window_; }
    Heard& heard() { return heard_; }

    // Whether the stand-in editor still talks to the program.
    bool conversationOpen()
    {
        dbx::DbxContext context;
        dbx::DesignInfo info;
        return editor_->TGetDesignInfo(context, info) == dbx::status::kSuccess;
    }

    template <typename Control>
    Control* control(const char* name) { return Find<Control>(window_->centralWidget(), name); }

private:
    QTemporaryDir folder_;
    Heard heard_;
    std::unique_ptr<design::StandInEditor> editor_;
    std::unique_ptr<Pcad> window_;
};

int SelectedRow(const QListWidget* list)
{
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void ClickRow(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QRect TwipsRect(const QWidget& window, int left, int top, int width, int height)
{
    const int x = window.logicalDpiX();
    const int y = window.logicalDpiY();
    return {TwipsToPixels(left, x), TwipsToPixels(top, y), TwipsToPixels(width, x), TwipsToPixels(height, y)};
}

const QStringList kDbxOrder{"Top   1", "GND   3", "Inner   4", "Bottom   2"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startUpWithADesignListsItsLayersAndViaStyles();
    void startUpWithTheDemoDesign();
    void startUpWithoutADesignShowsNoConnection();
    void controlsHaveTheirCaptionsAndPlaces_data();
    void controlsHaveTheirCaptionsAndPlaces();
    void startsWithTheFixedChoicesAndMenus();
    void accessKeysWork();
    void downAndUpMoveTheSelectedLayer();
    void endsOfTheListAndNoSelection();
    void threeDownsTakeTheTopLayerToTheBottom();
    void topLayerStaysPutOnUp();
    void reloadListsTheDesignsLayersAgain();
    void moreThenLess();
    void settingsFileRestoresTheOrder();
    void settingsFileLinesAreFittedToTheDesign();
    void zeroByteSettingsFileGivesTheDesignsOrder();
    void settingsFileNameMustMatchExactly();
    void aboutBoxShowsBesideTheWindow();
    void endClosesTheConversationAndEnds();
    void titleBarCloseEndsLikeEnd();
};

void MainWindowTest::startUpWithADesignListsItsLayersAndViaStyles()
{
    Session session;
    session.open();
    QCOMPARE(session.control<QLabel>("Status_label")->text(), QStringLiteral("Status: OK"));
    QCOMPARE(session.control<QLabel>("Status_label3")->text(), QStringLiteral("board.pcb"));
    // Silk is a non-signal layer and stays out.
    QCOMPARE(Texts(session.control<QListWidget>("List2")), kDbxOrder);
    QCOMPARE(Texts(session.control<QListWidget>("List3")), (QStringList{"V20", "V30"}));
    QVERIFY(session.control<QPushButton>("Start")->isEnabled());
    QCOMPARE(session.window().offsetDialog().xText(), QStringLiteral("0"));
    QCOMPARE(session.window().offsetDialog().yText(), QStringLiteral("0"));
    QVERIFY(!session.window().offsetDialog().isVisible());
}

void MainWindowTest::startUpWithTheDemoDesign()
{
    QTemporaryDir folder;
    design::StandInEditor editor(DemoDesignIn(folder.path()));
    Heard heard;
    Pcad window(editor, ListeningServices(heard));
    QWidget* client = window.centralWidget();
    QCOMPARE(Find<QLabel>(client, "Status_label")->text(), QStringLiteral("Status: OK"));
    QCOMPARE(Find<QLabel>(client, "Status_label3")->text(), QStringLiteral("demo-board.json"));
    // Board, Top Mask and Top Silk are non-signal layers.
    QCOMPARE(Texts(Find<QListWidget>(client, "List2")),
             (QStringList{"Top   1", "Bottom   2", "Inner1   12", "GND_Plane   13"}));
    QCOMPARE(Texts(Find<QListWidget>(client, "List3")), (QStringList{"V24D12", "V20D8_BLIND"}));
    QVERIFY(Find<QPushButton>(client, "Start")->isEnabled());
}

void MainWindowTest::startUpWithoutADesignShowsNoConnection()
{
    Session session;
    QVERIFY(session.openShown(false));
    QCOMPARE(session.control<QLabel>("Status_label")->text(), QStringLiteral("No Connection"));
    QCOMPARE(session.control<QLabel>("Status_label3")->text(), QString());
    QCOMPARE(session.control<QListWidget>("List2")->count(), 0);
    QCOMPARE(session.control<QListWidget>("List3")->count(), 0);
    QVERIFY(!session.control<QPushButton>("Start")->isEnabled());

    // Everything but Start still answers, on an empty list.
    session.press("Command5");
    session.press("Command2");
    session.press("Command1");
    QCOMPARE(session.control<QListWidget>("List2")->count(), 0);
    session.press("Command3");
    QVERIFY(session.control<QPushButton>("Command4")->isVisible());
    QCOMPARE(session.control<QLabel>("Status_label")->text(), QStringLiteral("No Connection"));
    QVERIFY(!session.control<QPushButton>("Start")->isEnabled());

    session.press("Exit");
    QCOMPARE(session.heard().quits, 1);
}

void MainWindowTest::controlsHaveTheirCaptionsAndPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");  // empty: the client area
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");

    const auto row = [](const char* name, const char* parent, const char* caption, QRect twips) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent)
                            << QString::fromLatin1(caption) << twips;
    };
    row("Frame1", "", "Status", {120, 480, 3012, 612});
    row("Status_label", "Frame1", "Status: OK", {120, 240, 2772, 252});
    row("Frame2", "", "File", {120, 1200, 3012, 612});
    row("Status_label3", "Frame2", "board.pcb", {120, 240, 2772, 252});
    row("Frame", "", "&Units", {3360, 480, 975, 972});
    row("Option1", "Frame", "mils", {120, 240, 612, 252});
    row("Option2", "Frame", "mm", {120, 600, 612, 252});
    row("Frame3", "", "O&ption", {3360, 1680, 975, 612});
    row("Check1", "Frame3", "Tie", {120, 240, 612, 192});
    row("Frame4", "", "S&creen", {3360, 2520, 975, 612});
    row("Check2", "Frame4", "View", {120, 240, 735, 252});
    row("Frame5", "", "Layers", {4440, 480, 1572, 2652});
    row("List2", "", "", {4560, 720, 1332, 1425});
    row("Command1", "", "Up", {4560, 2400, 612, 252});
    row("Command2", "", "Down", {5280, 2400, 612, 252});
    row("Command5", "", "Reload", {4560, 2760, 1332, 252});
    row("Frame6", "", "ViaStyle", {6240, 480, 1572, 2052});
    row("List3", "", "", {6360, 720, 1332, 1425});
    row("Start", "", "&Start", {120, 2760, 855, 372});
    row("Exit", "", "&End", {1200, 2760, 855, 372});
    row("Command3", "", "&More>>", {2280, 2760, 855, 372});
    row("Command4", "", "<<&Less", {2280, 2760, 855, 372});
    row("List1", "", "", {5160, 120, 252, 255});
    row("Label1", "", "IPC-D-356A", {2280, 120, 1815, 375});
    row("Label6", "", "Email:nodewick@example.org", {240, 2160, 3255, 255});
}

void MainWindowTest::controlsHaveTheirCaptionsAndPlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);

    Session session;
    Pcad& window = session.open();
    QWidget* client = window.centralWidget();
    QWidget* control = client->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parent.isEmpty() ? client->objectName() : parent);
    QCOMPARE(control->geometry(), TwipsRect(window, twips.x(), twips.y(), twips.width(), twips.height()));

    QString shown;
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        shown = frame->title();
    else if (auto* label = qobject_cast<QLabel*>(control))
        shown = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        shown = button->text();
    QCOMPARE(shown, caption);
}

void MainWindowTest::startsWithTheFixedChoicesAndMenus()
{
    Session session;
    QVERIFY(session.openShown());
    Pcad& window = session.window();
    QCOMPARE(window.windowTitle(), QStringLiteral("Nodewick-356A"));
    QCOMPARE(window.centralWidget()->size(), TwipsRect(window, 0, 0, 6240, 3345).size());

    QVERIFY(session.control<QRadioButton>("Option1")->isChecked());
    QVERIFY(!session.control<QRadioButton>("Option2")->isChecked());
    QVERIFY(session.control<QCheckBox>("Check1")->isChecked());
    QVERIFY(!session.control<QCheckBox>("Check2")->isChecked());
    QVERIFY(!session.control<QPushButton>("Command3")->isHidden());
    QVERIFY(session.control<QPushButton>("Command4")->isHidden());

    auto* workList = session.control<QListWidget>("List1");
    QVERIFY(workList->isHidden());
    QVERIFY(workList->isSortingEnabled());
    QCOMPARE(session.control<QListWidget>("List2")->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!session.control<QListWidget>("List2")->isSortingEnabled());

    for (const char* bold : {"Start", "Exit", "Command3", "Command4", "Label6"})
        QVERIFY2(session.control<QWidget>(bold)->font().bold(), bold);
    const QLabel* title = session.control<QLabel>("Label1");
    QVERIFY(title->font().bold());
    QCOMPARE(title->font().pointSizeF(), 13.5);
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 192));

    const QList<QAction*> menus = window.menuBar()->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->objectName(), QStringLiteral("ICT_OPT"));
    QCOMPARE(menus[0]->text(), QStringLiteral("&ICT"));
    QVERIFY(menus[0]->isVisible());
    QVERIFY(!menus[0]->isEnabled());
    QCOMPARE(menus[1]->objectName(), QStringLiteral("Offset_1"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Offset"));
    QVERIFY(menus[1]->isEnabled());
    QCOMPARE(menus[2]->objectName(), QStringLiteral("Help_1"));
    QCOMPARE(menus[2]->text(), QStringLiteral("&About"));
    QVERIFY(menus[2]->isEnabled());
}

void MainWindowTest::accessKeysWork()
{
    Session session;
    QVERIFY(session.openShown());
    Pcad& window = session.window();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // A button's access key presses it the way a click does, a moment later.
    QTest::keyClick(&window, Qt::Key_M, Qt::AltModifier);
    QTRY_VERIFY(session.control<QPushButton>("Command4")->isVisible());
    QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(session.control<QPushButton>("Command3")->isVisible());
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    QVERIFY(session.control<QCheckBox>("Check2")->hasFocus());
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    QVERIFY(window.offsetDialog().isVisible());
    window.offsetDialog().hide();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(session.heard().quits, 0);
    QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(session.heard().quits, 1);
}

void MainWindowTest::downAndUpMoveTheSelectedLayer()
{
    Session session;
    QVERIFY(session.openShown());
    QListWidget* layers = session.layers();

    ClickRow(layers, 0);
    session.press("Command2");
    QCOMPARE(Texts(layers), (QStringList{"GND   3", "Top   1", "Inner   4", "Bottom   2"}));
    QCOMPARE(SelectedRow(layers), 1);

    ClickRow(layers, 3);
    session.press("Command1");
    QCOMPARE(Texts(layers), (QStringList{"GND   3", "Top   1", "Bottom   2", "Inner   4"}));
    QCOMPARE(SelectedRow(layers), 2);
    session.press("Command1");
    QCOMPARE(Texts(layers), (QStringList{"GND   3", "Bottom   2", "Top   1", "Inner   4"}));
    QCOMPARE(SelectedRow(layers), 1);
}

void MainWindowTest::endsOfTheListAndNoSelection()
{
    Session session;
    QVERIFY(session.openShown());
    QListWidget* layers = session.layers();

    QCOMPARE(SelectedRow(layers), -1);
    session.press("Command1");
    QCOMPARE(Texts(layers), kDbxOrder);
    QCOMPARE(SelectedRow(layers), -1);
    // Down with nothing selected moves nothing but selects the top layer.
    session.press("Command2");
    QCOMPARE(Texts(layers), kDbxOrder);
    QCOMPARE(SelectedRow(layers), 0);

    session.press("Command1");
    QCOMPARE(Texts(layers), kDbxOrder);
    QCOMPARE(SelectedRow(layers), 0);

    ClickRow(layers, 3);
    session.press("Command2");
    QCOMPARE(Texts(layers), kDbxOrder);
    QCOMPARE(SelectedRow(layers), 3);
}

void MainWindowTest::threeDownsTakeTheTopLayerToTheBottom()
{
    Session session;
    QVERIFY(session.openShown());
    QListWidget* layers = session.layers();
    ClickRow(layers, 0);
    for (int press = 0; press < 3; ++press)
        session.press("Command2");
    QCOMPARE(Texts(layers), (QStringList{"GND   3", "Inner   4", "Bottom   2", "Top   1"}));
    QCOMPARE(SelectedRow(layers), 3);
}

void MainWindowTest::topLayerStaysPutOnUp()
{
    Session session;
    // The saved Top, then the design's other layers in DBX order.
    session.writeSettings("Top   1\r\n");
    QVERIFY(session.openShown());
    QListWidget* layers = session.layers();
    ClickRow(layers, 0);
    session.press("Command1");
    QCOMPARE(Texts(layers), kDbxOrder);
    QCOMPARE(SelectedRow(layers), 0);
}

void MainWindowTest::reloadListsTheDesignsLayersAgain()
{
    Session session;
    session.writeSettings("Bottom   2\r\nTop   1\r\n");
    Pcad& window = session.open();
    QListWidget* layers = session.layers();
    QCOMPARE(Texts(layers), (QStringList{"Bottom   2", "Top   1", "GND   3", "Inner   4"}));
    layers->setCurrentRow(1);
    session.press("Command1");
    QCOMPARE(Texts(layers), (QStringList{"Top   1", "Bottom   2", "GND   3", "Inner   4"}));

    // Reload neither reads the settings file nor touches status or Start.
    session.control<QLabel>("Status_label")->setText(QStringLiteral("marker"));
    session.press("Command5");
    QCOMPARE(Texts(layers), kDbxOrder);
    QCOMPARE(session.control<QLabel>("Status_label")->text(), QStringLiteral("marker"));
    QCOMPARE(session.control<QLabel>("Status_label3")->text(), QStringLiteral("board.pcb"));
    QVERIFY(session.control<QPushButton>("Start")->isEnabled());
    QVERIFY(window.isEnabled());
}

void MainWindowTest::moreThenLess()
{
    Session session;
    QVERIFY(session.openShown());
    Pcad& window = session.window();
    auto* more = session.control<QPushButton>("Command3");
    auto* less = session.control<QPushButton>("Command4");
    auto* viaStyles = session.control<QListWidget>("List3");
    auto* viaFrame = session.control<QGroupBox>("Frame6");
    const int narrow = TwipsRect(window, 0, 0, 6240, 0).width();
    // 8000 twips outside, less the 48 twips of border the layout allows.
    const int wide = TwipsRect(window, 0, 0, 7952, 0).width();

    QCOMPARE(window.centralWidget()->width(), narrow);
    QVERIFY(viaStyles->visibleRegion().isEmpty());
    QVERIFY(viaFrame->visibleRegion().isEmpty());

    QTest::mouseClick(more, Qt::LeftButton);
    QVERIFY(more->isHidden());
    QVERIFY(less->isVisible());
    QCOMPARE(window.centralWidget()->width(), wide);
    QCOMPARE(viaStyles->visibleRegion().boundingRect(), viaStyles->rect());
    QCOMPARE(viaFrame->visibleRegion().boundingRect(), viaFrame->rect());

    QTest::mouseClick(less, Qt::LeftButton);
    QVERIFY(less->isHidden());
    QVERIFY(more->isVisible());
    QCOMPARE(window.centralWidget()->width(), narrow);
    QVERIFY(viaStyles->visibleRegion().isEmpty());
    QVERIFY(viaFrame->visibleRegion().isEmpty());
    QCOMPARE(session.heard().quits, 0);
}

void MainWindowTest::settingsFileRestoresTheOrder()
{
    Session session;
    // Naming exactly the design's layers, the file is taken as it stands.
    session.writeSettings("Bottom   2\r\nInner   4\r\nTop   1\r\nGND   3\r\n");
    session.open();
    QCOMPARE(Texts(session.control<QListWidget>("List2")),
             (QStringList{"Bottom   2", "Inner   4", "Top   1", "GND   3"}));
    QCOMPARE(session.control<QLabel>("Status_label")->text(), QStringLiteral("Status: OK"));
}

void MainWindowTest::settingsFileLinesAreFittedToTheDesign()
{
    Session session;
    // A blank line and a layer that no longer exist are dropped; " Bottom   2"
    // is layer 2 under the design's entry; GND and Inner, missing, follow.
    session.writeSettings("Top   1\r\n\r\nGone   9\r\n Bottom   2");
    session.open();
    QCOMPARE(Texts(session.control<QListWidget>("List2")),
             (QStringList{"Top   1", "Bottom   2", "GND   3", "Inner   4"}));
}

void MainWindowTest::zeroByteSettingsFileGivesTheDesignsOrder()
{
    Session session;
    session.writeSettings(QByteArray());
    session.open();
    QCOMPARE(Texts(session.control<QListWidget>("List2")), kDbxOrder);
    QVERIFY(session.control<QPushButton>("Start")->isEnabled());
    QCOMPARE(Texts(session.control<QListWidget>("List3")), (QStringList{"V20", "V30"}));
}

void MainWindowTest::settingsFileNameMustMatchExactly()
{
    Session session;
    session.writeFile(QStringLiteral("nodewick.ini"), "Bottom   2\r\n");
    session.open();
    QCOMPARE(Texts(session.control<QListWidget>("List2")), kDbxOrder);
}

void MainWindowTest::aboutBoxShowsBesideTheWindow()
{
    Session session;
    QVERIFY(session.openShown());
    Pcad& window = session.window();
    QVERIFY(window.findChildren<Form2*>().isEmpty());

    Find<QAction>(&window, "Help_1")->trigger();
    const QList<Form2*> boxes = window.findChildren<Form2*>();
    QCOMPARE(boxes.size(), 1);
    Form2* about = boxes.front();
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QVERIFY(window.isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About"));
    QCOMPARE(Find<QLabel>(about, "Picture1")->pixmap().size(), QSize(160, 243));
    QCOMPARE(Find<QLabel>(about, "Label2")->text(), QStringLiteral("Email:nodewick@example.org"));

    auto* ok = Find<QPushButton>(about, "Command1");
    QCOMPARE(ok->text(), QStringLiteral("Ok"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!about->isVisible());

    Find<QAction>(&window, "Help_1")->trigger();
    QCOMPARE(window.findChildren<Form2*>().size(), 1);
    QVERIFY(about->isVisible());
}

void MainWindowTest::endClosesTheConversationAndEnds()
{
    Session session;
    session.open();
    QVERIFY(session.conversationOpen());
    session.press("Exit");
    QVERIFY(!session.conversationOpen());
    QCOMPARE(session.heard().quits, 1);
}

void MainWindowTest::titleBarCloseEndsLikeEnd()
{
    Session session;
    QVERIFY(session.openShown());
    Pcad& window = session.window();
    // Both dialogs loaded, the About box even on screen.
    Find<QAction>(&window, "Offset_1")->trigger();
    window.offsetDialog().hide();
    Find<QAction>(&window, "Help_1")->trigger();

    QVERIFY(window.close());
    QVERIFY(!session.conversationOpen());
    QCOMPARE(session.heard().quits, 1);
}

} // namespace nodewick::ui::testing

QTEST_MAIN(nodewick::ui::testing::MainWindowTest)
#include "main_window_test.moc"
