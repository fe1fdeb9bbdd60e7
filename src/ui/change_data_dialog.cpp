// The Change Data dialog: closing it by its close box or Escape only hides it, so a pending edit
// is dropped without storing anything. Enter presses OK.
#include "ui/change_data_dialog.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/services.h"

namespace korvant::ui {

ChangeDataDialog::ChangeDataDialog(QWidget* parent)
    : QDialog(parent)
    , label1_(new QLabel(this))
    , text1_(new QLineEdit(this))
    , lbUnit_(new QLabel(this))
    , cmdOk_(new QPushButton(tr("OK"), this))
{
    setObjectName(QStringLiteral("frmChangedata"));
    setWindowTitle(tr("Change Data"));
    setModal(false);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setWordWrap(true);
    label1_->setMinimumWidth(280);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(tr("new value"));
    label1_->setBuddy(text1_);
    lbUnit_->setObjectName(QStringLiteral("LbUnit"));
    lbUnit_->setMinimumWidth(40);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdOk_->setAutoDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label1_, 0, 0, 1, 3);
    layout->addWidget(text1_, 1, 0);
    layout->addWidget(lbUnit_, 1, 1);
    layout->addWidget(cmdOk_, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOk_, &QPushButton::clicked, this, &ChangeDataDialog::okClicked);
}

void ChangeDataDialog::showRequest(const QString& prompt, const QString& value, const QString& unit)
{
    BusyPointer busy;
    text1_->setText(value);
    lbUnit_->setText(unit);
    label1_->setText(prompt);
    adjustSize();
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - frameGeometry().width()) / 2,
        area.y() + (area.height() - frameGeometry().height()) / 2);
    show();
    focusValue();
}

void ChangeDataDialog::focusValue()
{
    raise();
    activateWindow();
    text1_->selectAll();
    text1_->setFocus();
}

QString ChangeDataDialog::valueText() const
{
    return text1_->text();
}

void ChangeDataDialog::setValueText(const QString& text)
{
    text1_->setText(text);
}

} // namespace korvant::ui
