// Start as the engineer presses it: the window's choices go to the export run,
// its status texts show, and the program is asked to end; a failed run stays
// on screen.

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "design/stand_in_editor.h"
#include "export/date_time_text.h"
#include "export/export_run.h"
#include "start/start_up.h"
#include "ui/main_window.h"
#include "ui/offset_dialog.h"
#include "window_harness.h"

namespace nodewick::ui::testing {
namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void Click(QWidget* root, const char* name)
{
    QTest::mouseClick(Find<QAbstractButton>(root, name), Qt::LeftButton);
}

// The same run without the window, as the command-line exporter makes it.
exporter::ExportResult ExportDirectly(const design::Design& design, const exporter::ExportChoices& choices)
{
    start::Started started = start::StartUp(std::optional<design::Design>(design));
    const exporter::ExportHooks hooks{
        .showStatus = [](const std::string&) {},
        .showFile = [](const std::string&) {},
        .dateTimeText = [] { return std::string(kFixedDateTime); },
        .openInViewer = [](const std::string&) {},
    };
    return exporter::RunExport(*started.editor, started.conversation.context, started.conversation.status, choices,
                               hooks);
}

// One program start on a design, with the window on screen.
class StartSession {
public:
    explicit StartSession(const design::Design& design) : editor_(design), window_(editor_, ListeningServices(heard_))
    {
        window_.show();
    }

    bool exposed() { return QTest::qWaitForWindowExposed(&window_); }
    Pcad& window() { return window_; }
    QWidget* client() { return window_.centralWidget(); }
    Heard& heard() { return heard_; }
    QString status() { return Find<QLabel>(client(), "Status_label")->text(); }
    void press(const char* name) { Click(client(), name); }

private:
    Heard heard_;
    design::StandInEditor editor_;
    Pcad window_;
};

} // namespace

class StartTest : public QObject {
    Q_OBJECT

private slots:
    void startWritesWhatTheExportRunWritesAndEnds();
    void failedRunShowsItsErrorAndStaysOpen();
    void viewerThatCannotStartIsReportedInsteadOfEnding();
    void demoDesignGivesWhatNodewickExportWrites();
};

void StartTest::startWritesWhatTheExportRunWritesAndEnds()
{
    QTemporaryDir windowFolder;
    StartSession session(WiredDesign(windowFolder.path().toStdString()));
    QVERIFY(session.exposed());
    Pcad& window = session.window();
    QWidget* client = session.client();
    const Heard& heard = session.heard();

    // Millimetres, Tie off, View on, an X offset, Bottom moved to the top.
    Click(client, "Option2");
    Click(client, "Check1");
    Click(client, "Check2");
    Find<QAction>(&window, "Offset_1")->trigger();
    QLineEdit* text1 = Find<QLineEdit>(&window.offsetDialog(), "Text1");
    text1->selectAll();
    QTest::keyClicks(text1, QStringLiteral("1.25"));
    Click(&window.offsetDialog(), "Command1");
    auto* layers = Find<QListWidget>(client, "List2");
    layers->setCurrentRow(3);
    for (int press = 0; press < 3; ++press)
        Click(client, "Command1");

    Click(client, "Start");

    QCOMPARE(heard.quits, 1);
    QCOMPARE(session.status(), QStringLiteral("Written to .board.ipc"));
    QCOMPARE(Find<QLabel>(client, "Status_label3")->text(), QStringLiteral("board.pcb"));
    const QString netlistPath = QDir(windowFolder.path()).filePath(QStringLiteral("board.ipc"));
    QCOMPARE(heard.viewed, std::vector<std::string>{netlistPath.toStdString()});
    for (const char* name :
         {"Check1", "Command1", "Command2", "Command3", "Command4", "Command5", "Option1", "Option2", "Check2", "Start"})
        QVERIFY2(!Find<QWidget>(client, name)->isEnabled(), name);

    // The order shown is the order saved and the order of the layer lines.
    QCOMPARE(Contents(QDir(windowFolder.path()).filePath(QStringLiteral("Nodewick.ini"))),
             QByteArray("Bottom   2\r\nTop   1\r\nGND   3\r\nInner   4\r\n"));
    const QByteArray netlist = Contents(netlistPath);
    QVERIFY(netlist.contains("C ************Layer 1 Bottom   2**********\r\n"
                             "C ************Layer 2 Top   1**********\r\n"
                             "C ************Layer 3 GND   3**********\r\n"
                             "C ************Layer 4 Inner   4**********\r\n"));
    QVERIFY(netlist.contains("P  UNITS CUST 1\r\n"));
    QVERIFY(netlist.endsWith("999\r\n"));

    QTemporaryDir directFolder;
    const exporter::ExportResult direct = ExportDirectly(
        WiredDesign(directFolder.path().toStdString()),
        exporter::ExportChoices{.units = exporter::Units::Millimetres,
                                .tie = false,
                                .view = true,
                                .offsetXText = "1.25",
                                .offsetYText = "0.000mm",
                                .layerList = {"Bottom   2", "Top   1", "GND   3", "Inner   4"}});
    QVERIFY2(direct.written, direct.error.c_str());
    QCOMPARE(netlist, Contents(QString::fromStdString(direct.netlistPath)));
}

void StartTest::failedRunShowsItsErrorAndStaysOpen()
{
    QTemporaryDir folder;
    const std::string missingFolder = folder.path().toStdString() + "/missing";
    StartSession session(WiredDesign(missingFolder));
    QVERIFY(session.exposed());
    const Heard& heard = session.heard();

    session.press("Start");

    QCOMPARE(heard.quits, 0);
    QVERIFY(session.window().isVisible());
    const QString shown = session.status();
    QVERIFY2(shown.contains(QStringLiteral("missing")), qPrintable(shown));
    QVERIFY(!shown.startsWith(QStringLiteral("Written to")));
    QVERIFY(heard.viewed.empty());
    QVERIFY(!QFile::exists(QString::fromStdString(missingFolder + "/board.ipc")));
    QVERIFY(!Find<QWidget>(session.client(), "Start")->isEnabled());

    session.press("Exit");
    QCOMPARE(heard.quits, 1);
}

void StartTest::viewerThatCannotStartIsReportedInsteadOfEnding()
{
    QTemporaryDir folder;
    StartSession session(WiredDesign(folder.path().toStdString()));
    QVERIFY(session.exposed());
    Heard& heard = session.heard();
    heard.viewerError = "Cannot start the text viewer gedit: No such file or directory";

    session.press("Check2");
    session.press("Start");

    QCOMPARE(heard.viewed.size(), 1u);
    QVERIFY(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("board.ipc"))));
    QCOMPARE(heard.quits, 0);
    QCOMPARE(session.status(), QStringLiteral("Cannot start the text viewer gedit: No such file or directory"));
    session.press("Exit");
    QCOMPARE(heard.quits, 1);
}

void StartTest::demoDesignGivesWhatNodewickExportWrites()
{
    // Both sides take the header's date from here, so the files compare byte
    // for byte.
    qputenv("SOURCE_DATE_EPOCH", "1700000000");

    QTemporaryDir windowFolder;
    Heard heard;
    WindowServices services = ListeningServices(heard);
    services.dateTimeText = [] { return exporter::DateTimeText(); };
    design::StandInEditor editor(DemoDesignIn(windowFolder.path()));
    Pcad window(editor, services);
    QWidget* client = window.centralWidget();
    Click(client, "Option2");
    Click(client, "Check1");
    Find<QAction>(&window, "Offset_1")->trigger();
    for (const auto& [box, typed] : {std::pair{"Text1", "1.25"}, std::pair{"Text2", "-0.5"}}) {
        auto* text = Find<QLineEdit>(&window.offsetDialog(), box);
        text->selectAll();
        QTest::keyClicks(text, QString::fromLatin1(typed));
    }
    Click(&window.offsetDialog(), "Command1");
    Find<QListWidget>(client, "List2")->setCurrentRow(2);
    Click(client, "Command1");
    QCOMPARE(Texts(Find<QListWidget>(client, "List2")),
             (QStringList{"Top   1", "Inner1   12", "Bottom   2", "GND_Plane   13"}));
    Click(client, "Start");
    QCOMPARE(heard.quits, 1);

    QTemporaryDir commandFolder;
    DemoDesignIn(commandFolder.path());
    QProcess exporter;
    exporter.start(QStringLiteral(NODEWICK_EXPORT_EXE),
                   {QDir(commandFolder.path()).filePath(QStringLiteral("demo-board.json")), QStringLiteral("--units"),
                    QStringLiteral("mm"), QStringLiteral("--no-tie"), QStringLiteral("--offset"),
                    QStringLiteral("1.25,-0.5"), QStringLiteral("--layers"), QStringLiteral("Top,Inner1")});
    QVERIFY(exporter.waitForFinished(30000));
    QVERIFY2(exporter.exitStatus() == QProcess::NormalExit && exporter.exitCode() == 0,
             exporter.readAllStandardError().constData());

    const QByteArray netlist = Contents(QDir(windowFolder.path()).filePath(QStringLiteral("demo-board.ipc")));
    QVERIFY(netlist.contains("(X: 1.250mm Y: -0.500mm)\r\n"));
    for (const char* name : {"demo-board.ipc", "Nodewick.ini"}) {
        const QByteArray fromWindow = Contents(QDir(windowFolder.path()).filePath(QString::fromLatin1(name)));
        QVERIFY2(!fromWindow.isEmpty(), name);
        QCOMPARE(fromWindow, Contents(QDir(commandFolder.path()).filePath(QString::fromLatin1(name))));
    }
}

} // namespace nodewick::ui::testing

QTEST_MAIN(nodewick::ui::testing::StartTest)
#include "start_test.moc"
