// nodewick [DESIGN]: the window, with DESIGN held open by the stand-in editor
// as the PCB editor would hold it. Without DESIGN, or when it cannot be
// loaded, the window starts as with no design open.

#include <QApplication>
#include <QCoreApplication>
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

struct Arguments {
    QString design;
    std::optional<QString> screenshot;
};

// Help, the version and a wrong command line (exit status 2) are answered
// without a display: the window system is started only after the arguments
// are read.
std::optional<Arguments> ParseArguments(int argc, char** argv)
{
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nodewick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NODEWICK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the IPC-D-356A test netlist of the design open in the PCB editor."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("DESIGN"),
                                 QStringLiteral("Design file for the stand-in editor to hold open."),
                                 QStringLiteral("[DESIGN]"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window to FILE and end."),
                                        QStringLiteral("FILE"));
    parser.addOption(screenshot);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::cerr << "nodewick: " << parser.errorText().toStdString() << '\n';
        return std::nullopt;
    }
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    const QStringList designs = parser.positionalArguments();
    if (designs.size() > 1) {
        std::cerr << "nodewick: one design file at most\n";
        return std::nullopt;
    }
    Arguments arguments{.design = designs.value(0), .screenshot = std::nullopt};
    if (parser.isSet(screenshot))
        arguments.screenshot = parser.value(screenshot);
    return arguments;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<Arguments> arguments = ParseArguments(argc, argv);
    if (!arguments)
        return 2;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nodewick"));

    const nodewick::start::StandIn opened = OpenEditor(arguments->design);
    nodewick::ui::Pcad window(*opened.editor, nodewick::ui::DesktopServices(), opened.warnings);
    window.show();
    if (arguments->screenshot)
        TakeScreenshotWhenShown(window, *arguments->screenshot);
    return QApplication::exec();
}
