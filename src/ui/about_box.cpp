#include "about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "contact_line.h"

// The picture is compiled into this static library; a program linking it must
// register it before use. The macro must stand outside any namespace.
static void RegisterAboutPicture()
{
    Q_INIT_RESOURCE(about);
}

namespace nodewick::ui {

Form2::Form2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("About"));

    RegisterAboutPicture();
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(QPixmap(QStringLiteral(":/nodewick/about.png")));

    auto* label2 = new QLabel(ContactLine(), this);
    label2->setObjectName(QStringLiteral("Label2"));

    auto* command1 = new QPushButton(tr("Ok"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    connect(command1, &QPushButton::clicked, this, &QWidget::hide);

    auto* column = new QVBoxLayout;
    column->addWidget(label2);
    column->addStretch();
    column->addWidget(command1, 0, Qt::AlignRight);
    auto* row = new QHBoxLayout(this);
    row->addWidget(picture);
    row->addLayout(column);
    setSizeGripEnabled(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace nodewick::ui
