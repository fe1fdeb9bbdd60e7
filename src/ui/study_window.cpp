// The Studies window with its two tabs; closing it cancels a running reliability study. Numbers
// are shown and typed as the report writes them, whatever the desktop's language.
#include "ui/study_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/reliability_tab.h"
#include "ui/sensitivity_tab.h"

namespace korvant::ui {
namespace {

QScrollArea* Scrolled(QWidget* tab)
{
    auto* area = new QScrollArea;
    area->setObjectName(tab->objectName() + QStringLiteral("Scroll"));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(tab);
    return area;
}

} // namespace

StudyWindow::StudyWindow(WindowModel& state, const Services& services, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStudies"));
    setWindowTitle(tr("Studies"));
    setModal(false);
    setLocale(QLocale::c());
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabStudies"));
    sensitivity_ = new SensitivityTab(state, services);
    reliability_ = new ReliabilityTab(state, services);
    tabs_->addTab(Scrolled(sensitivity_), tr("Sensitivity"));
    tabs_->addTab(Scrolled(reliability_), tr("Reliability"));
    connect(sensitivity_, &SensitivityTab::commandDone, this, &StudyWindow::commandDone);
    connect(reliability_, &ReliabilityTab::commandDone, this, &StudyWindow::commandDone);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    QScreen* shown = parent ? parent->screen() : QGuiApplication::primaryScreen();
    resize(QSize(900, 720).boundedTo(shown->availableGeometry().size()));
}

void StudyWindow::showTab(Tab tab)
{
    sensitivity_->refresh();
    reliability_->refresh();
    const bool sensitivity = tab == Tab::Sensitivity;
    tabs_->setCurrentIndex(sensitivity ? 0 : 1);
    show();
    raise();
    activateWindow();
    const char* first = sensitivity ? "spnSensitivityPercent" : "cboSpreadSc";
    if (auto* field = findChild<QWidget*>(QString::fromLatin1(first)))
        field->setFocus(Qt::OtherFocusReason);
}

void StudyWindow::refreshMarks()
{
    sensitivity_->refreshMark();
    reliability_->refreshMark();
}

void StudyWindow::done(int result)
{
    reliability_->stop();
    QDialog::done(result);
}

} // namespace korvant::ui
