// The About box frmAbout: the logo, the credits or the program's description, "More Info" to
// switch between them and "OK" to close. It does not block the main window.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace korvant::ui {

class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

    bool showsCredits() const { return showsCredits_; }

public slots:
    void toggleInfo();

private:
    void showText();

    QLabel* picture_;
    QTextEdit* text_;
    QPushButton* cmdMoreInfo_;
    QPushButton* cmdOk_;
    bool showsCredits_ = true;
};

} // namespace korvant::ui
