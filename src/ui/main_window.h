// The main window frmAircraft: the menus, the views (the picture area with the design panel and
// the damage charts in a scroll area, the aircraft data, the ACR table, the report text, the
// calculation trace),
// the status line, the input data file as a document (its title, Save and Save As, recent files,
// a dropped file, the settings kept from one start to the next) and closing. It shows the core's
// WindowModel and hands it the user's actions; every decision and every text it shows comes from
// the core.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "design/window_model.h"
#include "ui/report_printing.h"
#include "ui/services.h"
#include "ui/study_window.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QScrollArea;

namespace korvant::ui {

class AboutBox;
class AcrView;
class ManualWindow;
class PictureArea;
class StaleBanner;
class TraceView;
class TrafficPanel;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `state` carries the aircraft catalogue already read; the services must outlive the window.
    MainWindow(WindowModel state, const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    WindowModel& state() { return state_; }
    const WindowModel& state() const { return state_; }

    // Shows the model in the widgets: field texts, thickness, bond option, unit captions and
    // marks, the traffic grid, the evaluation and the charts, what is out of date and the status.
    void refresh();
    void showView(View view);

    // Reads an input data file as Read Data From File does, after asking to save unsaved
    // changes: the file argument, a recent file and a dropped file come here. Returns whether
    // the file was read.
    bool openFile(const QString& path);

    // Writes the report pages, then the ACR table of the mix and the PCR, to a PDF file; refuses
    // before a design as the Report button does, shows a message and returns false on failure.
    bool saveReportPdf(const QString& path);
    // Writes the calculation trace as CSV, or both damage charts as one PNG image; each shows a
    // message and returns false on failure.
    bool saveTraceCsv(const QString& path);
    bool saveChartsPng(const QString& path);

public slots:
    void readInputData();
    // Save: to the current file, or as Save As without one. Save As: the save dialog, then the
    // save. Each returns false when cancelled or failed.
    bool saveInputData();
    bool saveInputDataAs();
    void designThickness();
    void showReport();
    void printReport();
    void saveReportPdfAs();
    void evaluateSlab();
    // Compute PCR: the design as Design Thickness runs it, then the PCR of the panel's slab.
    void computePcr();
    void showTrace();
    void saveTraceCsvAs();
    void saveChartsPngAs();
    void showAbout();
    void showManual();
    // The Studies window on one of its tabs.
    void showStudies(StudyWindow::Tab tab);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildFileMenu();
    void refreshRecentMenu();
    void readSettings();
    // Keeps the last folder and the recent files, and the geometry when `geometry`.
    void writeSettings(bool geometry);
    // Reads `path` once the user may leave the session's work. Returns whether it was read.
    bool readFile(const QString& path);
    bool saveTo(const QString& path);
    QWidget* buildReportPane();
    bool takeSharedMnemonic(QEvent* event);
    void applyLayout(const ViewLayout& layout);
    // Shows the model, then the view of `layout` from its top, as showView does once the state
    // entered the view.
    void showLayout(const ViewLayout& layout);
    void refreshInsight();
    // The design panel with the PCR panel, the charts, what is out of date and the status line,
    // after any change of the state; refresh() and refreshInsight() end with it.
    void refreshMarks();
    void chooseUnits(UnitSystem units);
    // The report with its page header, or nothing (with the Report button's message) before a
    // design.
    std::optional<ReportPages> reportPages();

    WindowModel state_;
    Services services_;

    QWidget* central_ = nullptr;
    QScrollArea* pictureScroll_ = nullptr;
    PictureArea* picture_ = nullptr;
    TrafficPanel* traffic_ = nullptr;
    QWidget* reportPane_ = nullptr;
    StaleBanner* reportBanner_ = nullptr;
    QPlainTextEdit* txtReports_ = nullptr;
    TraceView* traceView_ = nullptr;
    AcrView* acrView_ = nullptr;
    QLabel* status_ = nullptr;

    QAction* englishOption_ = nullptr;
    QAction* metricOption_ = nullptr;
    QAction* aircraftMenu_ = nullptr;
    QMenu* structureMenu_ = nullptr;
    QAction* acrMenu_ = nullptr;
    QAction* traceMenu_ = nullptr;
    QAction* saveTraceCsv_ = nullptr;
    QAction* saveChartsPng_ = nullptr;
    QAction* startMetric_ = nullptr;
    QMenu* recentMenu_ = nullptr;

    QPointer<AboutBox> about_;
    ManualWindow* manual_ = nullptr; // made on first use
    StudyWindow* studies_ = nullptr; // made on first use
};

} // namespace korvant::ui
