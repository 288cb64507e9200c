#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QListWidget;

#include <optional>
#include <string>
#include <vector>

#include "design/design.h"
#include "listening_services.h"
#include "window_designs.h"

namespace nodewick::ui::testing {

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
