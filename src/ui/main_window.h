// The main window frmAircraft: the design inputs on the picture area with the evaluation of a
// given slab and, after a design, the damage charts below them; the aircraft list and the
// traffic grid, the report text, the calculation trace, the menus and the Studies window. It shows
// the core's WindowModel and hands it the user's actions; every decision and every text it shows
// comes from the core.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <vector>

#include "design/window_model.h"
#include "ui/services.h"
#include "ui/study_window.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace korvant::ui {

class AboutBox;
class ChangeDataDialog;
class DamageCharts;
class TraceView;

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
    // marks, and the traffic grid.
    void refresh();
    void showView(View view);

    // Writes the report pages to a PDF file; shows a message and returns false on failure.
    bool saveReportPdf(const QString& path);
    // Writes the calculation trace as CSV, or both damage charts as one PNG image; each shows a
    // message and returns false on failure.
    bool saveTraceCsv(const QString& path);
    bool saveChartsPng(const QString& path);

public slots:
    void readInputData();
    // The save dialog and the save; false when cancelled or failed.
    bool saveInputData();
    void designThickness();
    void showReport();
    void printReport();
    void saveReportPdfAs();
    void evaluateSlab();
    void showTrace();
    void saveTraceCsvAs();
    void saveChartsPngAs();
    void showAbout();
    // The Studies window on one of its tabs.
    void showStudies(StudyWindow::Tab tab);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A control of the picture area at its place in twips.
    struct Placed
    {
        QWidget* widget;
        QRect twips;
        bool followsRows; // the subgrade and slab-size rows, lowered in the two-layer view
    };

    void buildMenus();
    void buildDesignPanel();
    void buildAircraftControls();
    QLineEdit* addField(InputField field, QWidget* parent);
    QLabel* addUnitCaption(const char* objectName, QWidget* parent);
    QLabel* addLabel(const QString& text, QWidget* parent, bool heading = false);
    QLabel* addBand(
        const QColor& colour, const QString& objectName, const QString& pictured, QWidget* parent);
    void place(QWidget* widget, QRect twips, bool followsRows = false);

    bool takeSharedMnemonic(QEvent* event);
    void applyLayout(const ViewLayout& layout);
    void layoutWindow();
    void layoutDesignPanel();
    int pixelsX(int twips) const;
    int pixelsY(int twips) const;

    void setGridHeader();
    void fillTrafficGrid();
    void fillAircraftList();
    void addSelectedAircraft();
    void removeClickedAircraft();
    void removeAllAircraft();
    void editCell(int row, int column);
    void confirmChangeData();
    void chooseUnits(UnitSystem units);
    void buildEvaluation(QWidget* panel);
    void refreshInsight();
    void replotCharts();

    WindowModel state_;
    Services services_;
    bool rowsLowered_ = false;
    std::vector<Placed> placed_;

    QWidget* central_ = nullptr;
    QFrame* picture_ = nullptr;
    QWidget* designPanel_ = nullptr;
    QLabel* title1_ = nullptr;
    QLabel* title2_ = nullptr;
    std::array<QLineEdit*, kInputFieldCount> fields_ {};
    std::vector<QLabel*> unitCaptions_; // in the order of UnitCaptions()
    QLabel* lbh_ = nullptr;
    QRadioButton* bondYes_ = nullptr;
    QRadioButton* bondNo_ = nullptr;
    QPushButton* cmdDesign_ = nullptr;
    QPushButton* cmdReport_ = nullptr;
    QPlainTextEdit* txtReports_ = nullptr;
    TraceView* traceView_ = nullptr;
    DamageCharts* charts_ = nullptr;
    QLabel* chartsHint_ = nullptr;
    QLineEdit* txtEvaluate_ = nullptr;
    QLabel* evaluateUnit_ = nullptr;
    QTableWidget* evaluationTable_ = nullptr;
    QLabel* evaluationSummary_ = nullptr;
    QGroupBox* evaluationGroup_ = nullptr;
    QListWidget* listAircraft_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* listHeading_ = nullptr;
    QLabel* gridHeading_ = nullptr;
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdDel_ = nullptr;
    QPushButton* cmdDelAll_ = nullptr;

    // The control groups that the views show and hide.
    std::vector<QWidget*> titleGroup_, slabGroup_, slabUnitGroup_, climateGroup_, bottomGroup_,
        buttonGroup_, aircraftGroup_;

    QAction* englishOption_ = nullptr;
    QAction* metricOption_ = nullptr;
    QAction* aircraftMenu_ = nullptr;
    QMenu* structureMenu_ = nullptr;
    QAction* traceMenu_ = nullptr;
    QAction* saveTraceCsv_ = nullptr;
    QAction* saveChartsPng_ = nullptr;

    ChangeDataDialog* changeData_ = nullptr; // made on first use
    QPointer<AboutBox> about_;
    StudyWindow* studies_ = nullptr; // made on first use
};

} // namespace korvant::ui
