#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QListWidget;

#include <optional>
#include <string>
#include <vector>

#include "design/design.h"
#include "dbx/records.h"
#include "ui/window_services.h"

namespace nodewick::ui::testing {

// What the window asked of the desktop during a test.
struct Heard {
    int beeps = 0;
    int quits = 0;
    std::vector<std::string> viewed;
    std::vector<std::string> warnings;
    std::optional<std::string> viewerError;  // what the viewer answers
};

inline constexpr const char* kFixedDateTime = "02/01/2024 10:00:00";

// Services that only record what was asked, with a clock that always says
// kFixedDateTime.
WindowServices ListeningServices(Heard& heard);

// A design in `folder` named board.pcb with the layers Top (1, signal),
// GND (3, plane), Silk (5, non-signal), Inner (4, signal) and Bottom (2,
// signal), in that DBX order, and the via styles V20 and V30.
design::Design LayeredDesign(const std::string& folder);

// LayeredDesign with something to export: a resistor R1 on top whose two
// pads sit on the nets VCC and a long-named net, and a via on VCC.
design::Design WiredDesign(const std::string& folder);

// The bundled demo design, copied into `folder` and loaded from there, so
// that its netlist and settings file are written in that folder.
design::Design DemoDesignIn(const QString& folder);

// The texts of a list's entries, top to bottom.
QStringList Texts(const QListWidget* list);

// The control of that object name below `root`; the test stops when it is missing.
template <typename Control>
Control* Find(const QObject* root, const char* name)
{
    auto* control = root->findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control named %s", name);
    return control;
}

} // namespace nodewick::ui::testing
