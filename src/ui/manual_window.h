// The help window frmManual: the user manual shipped with the program (HTML, with its pictures)
// in a browser that follows its links; links that leave the manual open in the desktop's
// browser.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace korvant::ui {

class ManualWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ManualWindow(QWidget* parent = nullptr);

    // Shows the manual at `index` (its index.html) and brings the window up.
    void showManual(const QString& index);

private:
    QTextBrowser* browser_ = nullptr;
};

} // namespace korvant::ui
