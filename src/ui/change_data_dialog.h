// The Change Data dialog frmChangedata: a prompt, the value field Text1 with its unit and one OK
// button. It does not block the main window; the window decides what OK does.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvant::ui {

class ChangeDataDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ChangeDataDialog(QWidget* parent = nullptr);

    // Shows the dialog (again) for one cell, centred on the screen.
    void showRequest(const QString& prompt, const QString& value, const QString& unit);

    // Brings the dialog up with its value selected for typing.
    void focusValue();

    QString valueText() const;
    void setValueText(const QString& text);

signals:
    void okClicked();

private:
    QLabel* label1_;
    QLineEdit* text1_;
    QLabel* lbUnit_;
    QPushButton* cmdOk_;
};

} // namespace korvant::ui
