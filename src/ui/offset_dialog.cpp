#include "offset_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <charconv>
#include <string>

#include "export/offset_text.h"

namespace nodewick::ui {

namespace {

// A value as a plain decimal number: no exponent, no unit, "." as the point.
QString PlainDecimal(double value)
{
    if (value == 0.0)
        value = 0.0;  // no "-0"
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed);
    if (error != std::errc{})
        return QStringLiteral("0");
    return QString::fromLatin1(buffer.data(), end - buffer.data());
}

double ValueOf(const QLineEdit* box)
{
    return exporter::OffsetTextValue(box->text().toStdString());
}

QPushButton* MakeButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter in a text box must not press OK: OK locks the unit for good.
    button->setAutoDefault(false);
    return button;
}

} // namespace

Offset::Offset(std::function<exporter::Units()> selectedUnits, std::function<void()> beep, QWidget* parent)
    : QDialog(parent),
      selectedUnits_(std::move(selectedUnits)),
      beep_(std::move(beep)),
      label1_(new QLabel(tr("&X Offset:"), this)),
      text1_(new QLineEdit(this)),
      label2_(new QLabel(tr("&Y Offset:"), this)),
      text2_(new QLineEdit(this)),
      command1_(MakeButton(tr("&OK"), "Command1", this)),
      command2_(MakeButton(tr("&Cancel"), "Command2", this))
{
    setObjectName(QStringLiteral("Offset"));
    setWindowTitle(tr("Offset Menu"));
    label1_->setObjectName(QStringLiteral("Label1"));
    label2_->setObjectName(QStringLiteral("Label2"));
    text1_->setObjectName(QStringLiteral("Text1"));
    text2_->setObjectName(QStringLiteral("Text2"));
    label1_->setBuddy(text1_);
    label2_->setBuddy(text2_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label1_, 0, 0);
    grid->addWidget(text1_, 0, 1);
    grid->addWidget(label2_, 1, 0);
    grid->addWidget(text2_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    grid->addLayout(buttons, 2, 0, 1, 2);

    connect(text1_, &QLineEdit::textChanged, this, [this] { holdToLimit(text1_); });
    connect(text2_, &QLineEdit::textChanged, this, [this] { holdToLimit(text2_); });
    connect(command1_, &QPushButton::clicked, this, [this] {
        hide();
        emit unitsLocked();
    });
    // Cancel keeps whatever was typed; the export reads it all the same.
    connect(command2_, &QPushButton::clicked, this, &QWidget::hide);
}

QString Offset::xText() const
{
    return text1_->text();
}

QString Offset::yText() const
{
    return text2_->text();
}

void Offset::setTexts(const QString& x, const QString& y)
{
    text1_->setText(x);
    text2_->setText(y);
}

void Offset::showAndReformat()
{
    show();
    raise();
    activateWindow();
    for (QLineEdit* box : {text1_, text2_})
        box->setText(PlainDecimal(ValueOf(box)));
    const exporter::Units units = selectedUnits_();
    for (QLineEdit* box : {text1_, text2_})
        box->setText(QString::fromStdString(exporter::FormatOffset(ValueOf(box), units)));
}

void Offset::holdToLimit(QLineEdit* box)
{
    const exporter::Units units = selectedUnits_();
    const double limit = exporter::OffsetLimit(units);
    if (ValueOf(box) <= limit)
        return;
    // Setting the limit text runs this check again; it then passes.
    box->setText(QString::fromStdString(exporter::FormatOffset(limit, units)));
    beep_();
}

} // namespace nodewick::ui
