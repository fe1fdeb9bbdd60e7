// The ACR view: the line on where the ratings come from, the switch between the whole catalogue
// and the mix's aircraft, the table of the four ACRs with the slabs of step 1 and the DSWLs, a
// progress bar while rows are rated, the note of the current row, its what-if gross weight and
// the CSV export. Rows are rated on a thread of their own whenever the state has rows whose data
// changed and the view is shown; a timer on the window's thread takes the ratings, so no widget
// is touched from the run's thread. Rows waiting for their rating are greyed.
#pragma once

#include <QWidget>

#include <memory>

#include "design/window_model.h"
#include "ui/services.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;

namespace korvant::ui {

class AcrView : public QWidget
{
    Q_OBJECT

public:
    // The model and the services must outlive the view.
    AcrView(WindowModel& state, const Services& services, QWidget* parent);
    // Cancels a running rating and waits for its thread.
    ~AcrView() override;

    // Shows the rows as the state holds them, and rates the rows that wait while the view is
    // shown.
    void refresh();
    bool running() const { return run_ != nullptr; }
    // The record of the current row (0 for none).
    int currentRecord() const;

public slots:
    // The what-if weight typed for the current row, and the catalogue's weight again.
    void applyWhatIf();
    void clearWhatIf();
    void saveCsvAs();

signals:
    // A command ended or rows were rated: the state's status line is new.
    void commandDone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void follow();
    void take();
    void showRows();
    // The what-if weight and the note of the current row; a weight being typed is kept while the
    // same row stays current, unless `retype`.
    void showCurrent(bool retype = false);

    WindowModel& state_;
    Services services_;
    std::unique_ptr<AcrRun> run_;
    QTimer* timer_ = nullptr;
    int whatIfRecord_ = 0; // the row whose weight the what-if field shows

    QRadioButton* catalogue_ = nullptr;
    QRadioButton* mix_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* empty_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* whatIfLabel_ = nullptr;
    QLineEdit* whatIf_ = nullptr;
    QLabel* whatIfUnit_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* saveCsv_ = nullptr;
};

} // namespace korvant::ui
