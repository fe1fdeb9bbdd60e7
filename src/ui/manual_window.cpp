// The manual in a QTextBrowser, with Back, Forward and Home for its links between sections.
#include "ui/manual_window.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace korvant::ui {

ManualWindow::ManualWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmManual"));
    setWindowTitle(tr("KORVANT Manual"));
    setModal(false);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtManual"));
    browser_->setAccessibleName(tr("user manual"));
    browser_->setOpenExternalLinks(true);

    auto* back = new QPushButton(tr("&Back"), this);
    back->setObjectName(QStringLiteral("cmdManualBack"));
    auto* forward = new QPushButton(tr("&Forward"), this);
    forward->setObjectName(QStringLiteral("cmdManualForward"));
    auto* home = new QPushButton(tr("&Contents"), this);
    home->setObjectName(QStringLiteral("cmdManualHome"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdManualClose"));
    for (QPushButton* button : { back, forward, home, close })
        button->setAutoDefault(false);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addLayout(buttons);
    const QScreen* shown = parent ? parent->screen() : QGuiApplication::primaryScreen();
    resize(QSize(860, 760).boundedTo(shown->availableGeometry().size()));
}

void ManualWindow::showManual(const QString& index)
{
    const QUrl url = QUrl::fromLocalFile(index);
    if (browser_->source() != url)
        browser_->setSource(url);
    show();
    raise();
    activateWindow();
    browser_->setFocus(Qt::OtherFocusReason);
}

} // namespace korvant::ui
