// The group "PCR of the Slab" fraPcr beside the design result and the evaluation: the slab it
// rates (the design thickness, or a thickness typed in the session's units), the subgrade
// category (from k, or chosen), Compute PCR and the CSV export, then the code, the category
// note, the rounds and each aircraft of the mix against the PCR with a mark where one exceeds
// it, with a banner when the PCR is out of date. The PCR runs on a thread of its own; a timer on
// the window's thread takes its outcome, so no widget is touched from the run's thread.
#pragma once

#include <QGroupBox>

#include <memory>
#include <optional>
#include <utility>

#include "design/design_trace.h"
#include "design/window_model.h"
#include "ui/services.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;

namespace korvant::ui {

class StaleBanner;

class PcrPanel : public QGroupBox
{
    Q_OBJECT

public:
    // The model and the services must outlive the panel.
    PcrPanel(WindowModel& state, const Services& services, QWidget* parent);
    // Waits for a running PCR.
    ~PcrPanel() override;

    // Shows the settings, the PCR and whether it is out of date.
    void refresh();
    // Starts the PCR when the state says it is due and none is running; the caller shows the
    // panel and the state's marks afterwards.
    void follow();
    // Waits for a running PCR and keeps its outcome, as the report's pages need it now.
    void finishNow();
    bool running() const { return run_ != nullptr; }

public slots:
    void saveCsvAs();

signals:
    void computeRequested();
    // The settings changed, or a PCR ended: the panel, the state's marks and the status line are
    // to be shown again.
    void changed();

private:
    void take();
    void showResult();

    WindowModel& state_;
    Services services_;
    std::unique_ptr<PcrRun> run_;
    QTimer* timer_ = nullptr;

    QRadioButton* designSlab_ = nullptr;
    QRadioButton* typedSlab_ = nullptr;
    QLineEdit* thickness_ = nullptr;
    QLabel* unit_ = nullptr;
    QComboBox* category_ = nullptr;
    QPushButton* compute_ = nullptr;
    QPushButton* saveCsv_ = nullptr;
    StaleBanner* banner_ = nullptr;
    QLabel* slab_ = nullptr;
    QLabel* code_ = nullptr;
    QLabel* note_ = nullptr;
    QTableWidget* rounds_ = nullptr;
    QTableWidget* aircraft_ = nullptr;
    // The cells the rounds and aircraft tables show, once filled.
    std::optional<std::pair<TraceTable, TraceTable>> shownTables_;
};

} // namespace korvant::ui
