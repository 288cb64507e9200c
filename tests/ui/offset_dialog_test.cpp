// The offset dialog as the engineer uses it from the main window: typing
// against the unit's limit, the reformatting when it opens, Cancel and OK.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "design/stand_in_editor.h"
#include "ui/main_window.h"
#include "ui/offset_dialog.h"
#include "window_harness.h"

namespace nodewick::ui::testing {
namespace {

class DialogSession {
public:
    DialogSession()
        : editor_(LayeredDesign(folder_.path().toStdString())), window_(editor_, ListeningServices(heard_))
    {
    }

    Pcad& window() { return window_; }
    Offset& dialog() { return window_.offsetDialog(); }
    int beeps() const { return heard_.beeps; }
    QLineEdit* text1() { return Find<QLineEdit>(&dialog(), "Text1"); }
    QLineEdit* text2() { return Find<QLineEdit>(&dialog(), "Text2"); }
    QRadioButton* option(const char* name) { return Find<QRadioButton>(window_.centralWidget(), name); }

    // What the "&Offset" menu entry does.
    void openDialog() { Find<QAction>(&window_, "Offset_1")->trigger(); }

    // Selects what the box holds and types over it, key by key.
    static void typeInto(QLineEdit* box, const QString& keys)
    {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, keys);
    }

private:
    QTemporaryDir folder_;
    Heard heard_;
    design::StandInEditor editor_;
    Pcad window_;
};

} // namespace

class OffsetDialogTest : public QObject {
    Q_OBJECT

private slots:
    void hasItsCaptions();
    void openingShowsTheTextsInTheUnitsFormat();
    void typingPastTheMilLimitGivesTheLimitAndOneBeep();
    void typingWithinTheLimitIsTakenAsTyped();
    void typingPastTheMillimetreLimitGivesTheLimitAndOneBeep();
    void openingTwiceKeepsTheText();
    void openingAfterTheUnitChangedHoldsToTheNewLimit();
    void cancelKeepsWhatWasTyped();
    void okLocksTheUnits();
};

void OffsetDialogTest::hasItsCaptions()
{
    DialogSession session;
    Offset& dialog = session.dialog();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Offset Menu"));
    QCOMPARE(Find<QLabel>(&dialog, "Label1")->text(), QStringLiteral("&X Offset:"));
    QCOMPARE(Find<QLabel>(&dialog, "Label1")->buddy(), session.text1());
    QCOMPARE(Find<QLabel>(&dialog, "Label2")->text(), QStringLiteral("&Y Offset:"));
    QCOMPARE(Find<QLabel>(&dialog, "Label2")->buddy(), session.text2());
    QCOMPARE(Find<QPushButton>(&dialog, "Command1")->text(), QStringLiteral("&OK"));
    QCOMPARE(Find<QPushButton>(&dialog, "Command2")->text(), QStringLiteral("&Cancel"));
}

void OffsetDialogTest::openingShowsTheTextsInTheUnitsFormat()
{
    DialogSession session;
    session.window().show();
    session.openDialog();
    QVERIFY(session.dialog().isVisible());
    QVERIFY(!session.dialog().isModal());
    QVERIFY(session.window().isVisible());
    QCOMPARE(session.text1()->text(), QStringLiteral("0.0mil"));
    QCOMPARE(session.text2()->text(), QStringLiteral("0.0mil"));

    DialogSession::typeInto(session.text1(), QStringLiteral("12.5"));
    DialogSession::typeInto(session.text2(), QString());
    session.option("Option2")->click();
    session.openDialog();
    QCOMPARE(session.text1()->text(), QStringLiteral("12.500mm"));
    QCOMPARE(session.text2()->text(), QStringLiteral("0.000mm"));
    QCOMPARE(session.beeps(), 0);
}

void OffsetDialogTest::typingPastTheMilLimitGivesTheLimitAndOneBeep()
{
    DialogSession session;
    session.openDialog();
    DialogSession::typeInto(session.text1(), QStringLiteral("10000"));
    QCOMPARE(session.text1()->text(), QStringLiteral("9999.9mil"));
    QCOMPARE(session.beeps(), 1);
    QCOMPARE(session.text2()->text(), QStringLiteral("0.0mil"));
}

void OffsetDialogTest::typingWithinTheLimitIsTakenAsTyped()
{
    DialogSession session;
    session.openDialog();
    DialogSession::typeInto(session.text1(), QStringLiteral("9999.9"));
    DialogSession::typeInto(session.text2(), QStringLiteral("-500000"));
    QCOMPARE(session.text1()->text(), QStringLiteral("9999.9"));
    QCOMPARE(session.text2()->text(), QStringLiteral("-500000"));
    QCOMPARE(session.beeps(), 0);
}

void OffsetDialogTest::typingPastTheMillimetreLimitGivesTheLimitAndOneBeep()
{
    DialogSession session;
    session.option("Option2")->click();
    session.openDialog();
    DialogSession::typeInto(session.text2(), QStringLiteral("100"));
    QCOMPARE(session.text2()->text(), QStringLiteral("99.999mm"));
    QCOMPARE(session.beeps(), 1);
    DialogSession::typeInto(session.text1(), QStringLiteral("-500"));
    QCOMPARE(session.text1()->text(), QStringLiteral("-500"));
    QCOMPARE(session.beeps(), 1);
}

void OffsetDialogTest::openingTwiceKeepsTheText()
{
    DialogSession session;
    session.openDialog();
    DialogSession::typeInto(session.text1(), QStringLiteral("12.5"));
    session.openDialog();
    QCOMPARE(session.text1()->text(), QStringLiteral("12.5mil"));
    session.openDialog();
    QCOMPARE(session.text1()->text(), QStringLiteral("12.5mil"));
    QCOMPARE(session.beeps(), 0);
}

void OffsetDialogTest::openingAfterTheUnitChangedHoldsToTheNewLimit()
{
    DialogSession session;
    session.openDialog();
    DialogSession::typeInto(session.text1(), QStringLiteral("500"));
    QCOMPARE(session.beeps(), 0);
    // 500 was mils; read as millimetres it is past 99.999 and the limit stays.
    session.option("Option2")->click();
    session.openDialog();
    QCOMPARE(session.text1()->text(), QStringLiteral("99.999mm"));
    QCOMPARE(session.beeps(), 1);
}

void OffsetDialogTest::cancelKeepsWhatWasTyped()
{
    DialogSession session;
    session.openDialog();
    DialogSession::typeInto(session.text1(), QStringLiteral("7"));
    QTest::mouseClick(Find<QPushButton>(&session.dialog(), "Command2"), Qt::LeftButton);
    QVERIFY(!session.dialog().isVisible());
    QCOMPARE(session.dialog().xText(), QStringLiteral("7"));
    QVERIFY(session.option("Option1")->isEnabled());
    QVERIFY(session.option("Option2")->isEnabled());
}

void OffsetDialogTest::okLocksTheUnits()
{
    DialogSession session;
    session.openDialog();
    DialogSession::typeInto(session.text2(), QStringLiteral("3.25"));
    QTest::mouseClick(Find<QPushButton>(&session.dialog(), "Command1"), Qt::LeftButton);
    QVERIFY(!session.dialog().isVisible());
    QVERIFY(!session.option("Option1")->isEnabled());
    QVERIFY(!session.option("Option2")->isEnabled());
    QVERIFY(session.option("Option1")->isChecked());
    QCOMPARE(session.dialog().yText(), QStringLiteral("3.25"));
    QCOMPARE(session.dialog().xText(), QStringLiteral("0.0mil"));
}

} // namespace nodewick::ui::testing

QTEST_MAIN(nodewick::ui::testing::OffsetDialogTest)
#include "offset_dialog_test.moc"
