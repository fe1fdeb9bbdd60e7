// The About box: credits centred in 10 point bold, the description left-aligned in 12 point
// regular; the texts come from the core.
#include "ui/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "design/window_texts.h"
#include "ui/logo.h"

namespace korvant::ui {
namespace {

constexpr int kLogoSize = 96;

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
    , picture_(new QLabel(this))
    , text_(new QTextEdit(this))
    , cmdMoreInfo_(new QPushButton(tr("More Info"), this))
    , cmdOk_(new QPushButton(tr("OK"), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About KORVANT Program"));
    setModal(false);
    picture_->setObjectName(QStringLiteral("picIcon"));
    picture_->setPixmap(ProgramIcon().pixmap(QSize(kLogoSize, kLogoSize), devicePixelRatioF()));
    picture_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    picture_->setAccessibleName(tr("KORVANT logo"));
    text_->setObjectName(QStringLiteral("txtInfo"));
    text_->setReadOnly(true);
    text_->setAccessibleName(tr("about KORVANT"));
    text_->setMinimumSize(420, 230);
    cmdMoreInfo_->setObjectName(QStringLiteral("cmdMoreInfo"));
    cmdOk_->setObjectName(QStringLiteral("cmdOK"));
    cmdOk_->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(picture_);
    top->addWidget(text_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdMoreInfo_);
    buttons->addWidget(cmdOk_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdMoreInfo_, &QPushButton::clicked, this, &AboutBox::toggleInfo);
    showText();
}

void AboutBox::toggleInfo()
{
    showsCredits_ = !showsCredits_;
    showText();
}

void AboutBox::showText()
{
    QFont font = this->font();
    font.setPointSize(showsCredits_ ? 10 : 12);
    font.setBold(showsCredits_);
    text_->setFont(font);
    // A text document takes CR LF as one line break.
    text_->setPlainText(
        QString::fromStdString(showsCredits_ ? AboutCreditsText() : AboutDescriptionText()));
    QTextCursor cursor(text_->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(showsCredits_ ? Qt::AlignHCenter : Qt::AlignLeft);
    cursor.mergeBlockFormat(format);
}

} // namespace korvant::ui
