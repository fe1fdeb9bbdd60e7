// The reliability tab of the Studies window: a distribution and a coefficient of variation for
// Sc, k, E and the departures, the number of samples and the seed, Run and Cancel with a
// progress bar, then the quantile table of the last result with its base design and its stopped
// samples (with a banner when the inputs changed since the run began), the histogram of the
// thicknesses and the CSV exports. The study runs on a thread of
// its own over copies of the session and the settings; a timer on the window's thread follows
// its progress and takes its outcome, so no widget is touched from the study's thread.
#pragma once

#include <QWidget>

#include <array>
#include <memory>

#include "design/window_model.h"
#include "ui/services.h"

class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace korvant::ui {

class StaleBanner;

class ReliabilityTab : public QWidget
{
    Q_OBJECT

public:
    // Sc, k, E and the departures.
    static constexpr std::size_t kSpreadCount = 4;

    // The model and the services must outlive the tab.
    ReliabilityTab(WindowModel& state, const Services& services, QWidget* parent = nullptr);
    // Cancels a running study and waits for its thread.
    ~ReliabilityTab() override;

    // Shows the model's settings and its last result.
    void refresh();
    // Shows whether the last result is out of date.
    void refreshMark();
    bool running() const { return run_ != nullptr; }
    // Cancels a running study and waits for its thread; the model keeps what it had.
    void stop();

public slots:
    void run();
    void cancel();
    void saveCsvAs();
    void saveSamplesCsvAs();

signals:
    // A command ended: the state's status line is new.
    void commandDone();

private:
    QGroupBox* buildSettings();
    void follow();
    void showRunning(bool running);
    void showResult();

    WindowModel& state_;
    Services services_;
    std::unique_ptr<ReliabilityRun> run_;
    QTimer* timer_ = nullptr;

    std::array<QComboBox*, kSpreadCount> spreads_ {};
    std::array<QDoubleSpinBox*, kSpreadCount> variations_ {};
    QSpinBox* samples_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* saveCsv_ = nullptr;
    QPushButton* saveSamplesCsv_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* summary_ = nullptr;
    StaleBanner* banner_ = nullptr;
    QTableWidget* quantiles_ = nullptr;
    QChartView* histogram_ = nullptr;
};

} // namespace korvant::ui
