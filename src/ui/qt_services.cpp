// Message boxes, file dialogs, the print dialog and the busy pointer on Qt.
#include "ui/qt_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <vector>

namespace korvant::ui {
namespace {

QMessageBox::Icon BoxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A button of a message box: a standard button, or a caption with its role.
struct BoxButton
{
    QMessageBox::StandardButton standard;
    const char* caption;
    QMessageBox::ButtonRole role;
    Answer answer;
};

std::vector<BoxButton> ButtonsOf(Buttons buttons)
{
    const BoxButton ok { QMessageBox::Ok, "", QMessageBox::AcceptRole, Answer::Ok };
    const BoxButton yes { QMessageBox::Yes, "", QMessageBox::YesRole, Answer::Yes };
    const BoxButton no { QMessageBox::No, "", QMessageBox::NoRole, Answer::No };
    const BoxButton cancel { QMessageBox::Cancel, "", QMessageBox::RejectRole, Answer::Cancel };
    switch (buttons) {
    case Buttons::Ok:
        return { ok };
    case Buttons::YesNo:
        return { yes, no };
    case Buttons::YesNoCancel:
        return { yes, no, cancel };
    case Buttons::CancelTryAgainContinue:
        return { { QMessageBox::NoButton, "Cancel", QMessageBox::RejectRole, Answer::Cancel },
            { QMessageBox::NoButton, "Try Again", QMessageBox::ActionRole, Answer::TryAgain },
            { QMessageBox::NoButton, "Continue", QMessageBox::AcceptRole, Answer::Continue } };
    }
    return { ok };
}

} // namespace

Answer QtPrompter::ask(const Message& message)
{
    // The box belongs to the window the user works in (the Change Data dialog, the Studies
    // window), which gets the keyboard back, on the control that had it, once the box is closed.
    QPointer<QWidget> active = QApplication::activeWindow();
    QPointer<QWidget> focused = QApplication::focusWidget();
    QWidget* owner = active ? active.data() : parent_.data();
    QMessageBox box(BoxIcon(message.icon), QString::fromStdString(message.title),
        QString::fromStdString(message.text), QMessageBox::NoButton, owner);
    box.setObjectName(QStringLiteral("messageBox"));
    std::vector<std::pair<QPushButton*, Answer>> buttons;
    for (const BoxButton& button : ButtonsOf(message.buttons)) {
        QPushButton* added = button.standard == QMessageBox::NoButton
            ? box.addButton(QString::fromUtf8(button.caption), button.role)
            : box.addButton(button.standard);
        buttons.emplace_back(added, button.answer);
    }
    box.setDefaultButton(buttons.front().first);
    // The close box and Escape give the answer of a rejecting button, else of the last one.
    box.setEscapeButton(buttons.back().first);
    for (const auto& [button, answer] : buttons)
        if (answer == Answer::Cancel || answer == Answer::No)
            box.setEscapeButton(button);
    box.exec();
    if (active && active->isVisible()) {
        active->activateWindow();
        if (focused && focused->isVisible())
            focused->setFocus(Qt::OtherFocusReason);
    }
    for (const auto& [button, answer] : buttons)
        if (box.clickedButton() == button)
            return answer;
    return buttons.back().second;
}

QString QtFileChooser::openFileName(
    QWidget* parent, const QString& caption, const QString& filter, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtFileChooser::saveFileName(
    QWidget* parent, const QString& caption, const QString& filter, const QString& proposedPath)
{
    return QFileDialog::getSaveFileName(parent, caption, proposedPath, filter);
}

bool QtPrintDialog::choosePrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    // Only the printer and the copies: no print to file (File offers a PDF), no page range, no
    // selection, no current page.
    dialog.setOptions(
        QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

BusyPointer::BusyPointer()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace korvant::ui
