// Runs the nodewick program itself: the design named on the command line is
// held open, a file that does not load leaves the window as with no design,
// and nothing is written until Start is pressed.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "window_harness.h"

namespace nodewick::ui::testing {
namespace {

struct Run {
    int exitCode = -1;
    QByteArray standardError;
};

// The program with the given arguments, on the offscreen platform, asked to
// save a picture of its window and end.
Run RunWindow(QStringList arguments, const QString& screenshot)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    arguments << QStringLiteral("--screenshot") << screenshot;
    program.start(QStringLiteral(NODEWICK_WINDOW_EXE), arguments);
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), program.readAllStandardError()};
}

} // namespace

class WindowProgramTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheDesignAndWritesNothing();
    void designThatDoesNotLoadIsNamedAndTheWindowStillComes();
    void takesOneDesignAtMost();
};

void WindowProgramTest::showsTheDesignAndWritesNothing()
{
    QTemporaryDir folder;
    DemoDesignIn(folder.path());
    const QString shot = folder.filePath(QStringLiteral("window.png"));
    const Run run = RunWindow({folder.filePath(QStringLiteral("demo-board.json"))}, shot);
    QCOMPARE(run.exitCode, 0);
    const QImage picture(shot);
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() > picture.height());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("demo-board.json"), QStringLiteral("window.png")}));
}

void WindowProgramTest::designThatDoesNotLoadIsNamedAndTheWindowStillComes()
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("no such board.json"));
    const QString shot = folder.filePath(QStringLiteral("window.png"));
    const Run run = RunWindow({missing}, shot);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.standardError.contains("no such board.json"), run.standardError.constData());
    QVERIFY(!QImage(shot).isNull());
}

void WindowProgramTest::takesOneDesignAtMost()
{
    QTemporaryDir folder;
    const Run run = RunWindow({QStringLiteral("a.json"), QStringLiteral("b.json")},
                              folder.filePath(QStringLiteral("window.png")));
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("window.png"))));
}

} // namespace nodewick::ui::testing

QTEST_MAIN(nodewick::ui::testing::WindowProgramTest)
#include "window_program_test.moc"
