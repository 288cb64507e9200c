#include "offset_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "code_page.h"
#include "window_model.h"

namespace nodewick::ui {

namespace {

QPushButton* MakeButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter in a text box must not press OK: OK locks the unit for good.
    button->setAutoDefault(false);
    return button;
}

QLabel* MakeLabel(const QString& caption, const char* name, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

QLineEdit* MakeTextBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

Offset::Offset(WindowModel& model, QWidget* parent)
    : QDialog(parent), text1_(MakeTextBox("Text1", this)), text2_(MakeTextBox("Text2", this))
{
    setObjectName(QStringLiteral("Offset"));
    setWindowTitle(tr("Offset Menu"));
    QPushButton* ok = MakeButton(tr("&OK"), "Command1", this);
    QPushButton* cancel = MakeButton(tr("&Cancel"), "Command2", this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(tr("&X Offset:"), "Label1", text1_, this), 0, 0);
    grid->addWidget(text1_, 0, 1);
    grid->addWidget(MakeLabel(tr("&Y Offset:"), "Label2", text2_, this), 1, 0);
    grid->addWidget(text2_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);

    // textEdited: typed or pasted by the user, never set by the program.
    connect(text1_, &QLineEdit::textEdited, this,
            [&model](const QString& text) { model.offsetEdited(OffsetBox::Text1, ToCodePage(text)); });
    connect(text2_, &QLineEdit::textEdited, this,
            [&model](const QString& text) { model.offsetEdited(OffsetBox::Text2, ToCodePage(text)); });
    connect(ok, &QPushButton::clicked, this, [&model] { model.confirmOffsets(); });
    connect(cancel, &QPushButton::clicked, this, [&model] { model.cancelOffsets(); });
}

QString Offset::xText() const
{
    return text1_->text();
}

QString Offset::yText() const
{
    return text2_->text();
}

QLineEdit* Offset::box(OffsetBox which) const
{
    return which == OffsetBox::Text1 ? text1_ : text2_;
}

void Offset::setText(OffsetBox which, const QString& text)
{
    box(which)->setText(text);
}

}  // namespace nodewick::ui
