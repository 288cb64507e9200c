#include "window_harness.h"

#include <QDir>
#include <QFile>
#include <QListWidget>

#include "design/design_file.h"

namespace nodewick::ui::testing {

QStringList Texts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

design::Design DemoDesignIn(const QString& folder)
{
    const QString copy = QDir(folder).filePath(QStringLiteral("demo-board.json"));
    if (!QFile::copy(QStringLiteral(NODEWICK_EXAMPLES_DIR "/demo-board.json"), copy))
        qFatal("cannot copy the demo design to %s", qPrintable(folder));
    return design::LoadDesignFile(copy.toStdString()).design;
}

} // namespace nodewick::ui::testing
