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
#include <stdexcept>
#include <string>

#include "design/design_file.h"
#include "design/stand_in_editor.h"
#include "ui/main_window.h"
#include "ui/window_services.h"

namespace {

struct OpenedEditor {
    std::unique_ptr<nodewick::design::StandInEditor> editor;
    std::string loadError;  // shown in the status line instead of the DBX status
};

OpenedEditor OpenEditor(const QString& designFile)
{
    using nodewick::design::StandInEditor;
    if (designFile.isEmpty())
        return {std::make_unique<StandInEditor>(std::nullopt), {}};
    try {
        nodewick::design::LoadedDesign loaded = nodewick::design::LoadDesignFile(designFile.toStdString());
        for (const std::string& warning : loaded.warnings)
            std::cerr << warning << '\n';
        return {std::make_unique<StandInEditor>(std::move(loaded.design)), {}};
    } catch (const std::exception& error) {
        // A file that does not load, or a design the editor refuses.
        std::cerr << error.what() << '\n';
        return {std::make_unique<StandInEditor>(std::nullopt), error.what()};
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

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Arguments> arguments = ParseArguments(argc, argv);
    if (!arguments)
        return 2;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nodewick"));

    OpenedEditor opened = OpenEditor(arguments->design);
    nodewick::ui::Pcad window(*opened.editor, nodewick::ui::DesktopServices());
    if (!opened.loadError.empty())
        window.showStatus(opened.loadError);
    window.show();
    if (arguments->screenshot)
        TakeScreenshotWhenShown(window, *arguments->screenshot);
    return QApplication::exec();
}
