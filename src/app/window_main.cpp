// nodewick [DESIGN]: the window, with DESIGN held open by the stand-in editor
// as the PCB editor would hold it. Without DESIGN, or when it cannot be
// loaded, the window starts as with no design open.

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "start/start_up.h"
#include "ui/desktop_services.h"
#include "ui/main_window.h"

namespace {

// The stand-in editor with the design open, and what the window's status
// line and standard error should say about it: the file's warnings, or why
// it could not be loaded (then the window starts as with no design open).
nodewick::start::StandIn OpenEditor(const QString& designFile)
{
    using nodewick::design::StandInEditor;
    if (designFile.isEmpty())
        return {std::make_unique<StandInEditor>(std::nullopt), {}};
    try {
        return nodewick::start::OpenStandIn(designFile.toStdString());
    } catch (const std::exception& error) {
        return {std::make_unique<StandInEditor>(std::nullopt), {error.what()}};
    }
}

// For the README and for checking the layout under a real X server: once the
// window is on screen, save a picture of it and end as End would.
void TakeScreenshotWhenShown(nodewick::ui::Pcad& window, const QString& file)
{
    QTimer::singleShot(500, &window, [&window, file] {
        if (!window.grab().save(file))
            std::cerr << "cannot write the screenshot " << file.toStdString() << '\n';
        window.close();
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nodewick"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the IPC-D-356A test netlist of the design open in the PCB editor."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("DESIGN"),
                                 QStringLiteral("Design file for the stand-in editor to hold open."),
                                 QStringLiteral("[DESIGN]"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window to FILE and end."),
                                        QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.process(application);
    const QStringList designs = parser.positionalArguments();
    if (designs.size() > 1) {
        std::cerr << "nodewick: one design file at most\n";
        return 2;
    }

    const nodewick::start::StandIn opened = OpenEditor(designs.value(0));
    nodewick::ui::Pcad window(*opened.editor, nodewick::ui::DesktopServices(), opened.warnings);
    window.show();
    if (parser.isSet(screenshot))
        TakeScreenshotWhenShown(window, parser.value(screenshot));
    return QApplication::exec();
}
