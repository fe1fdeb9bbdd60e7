// The Studies window with its two tabs; closing it cancels a running reliability study.
#include "ui/study_window.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/reliability_tab.h"
#include "ui/sensitivity_tab.h"

namespace korvant::ui {

StudyWindow::StudyWindow(WindowModel& state, const Services& services, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStudies"));
    setWindowTitle(tr("Studies"));
    setModal(false);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabStudies"));
    sensitivity_ = new SensitivityTab(state, services, tabs_);
    reliability_ = new ReliabilityTab(state, services, tabs_);
    tabs_->addTab(sensitivity_, tr("Sensitivity"));
    tabs_->addTab(reliability_, tr("Reliability"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(900, 720);
}

void StudyWindow::showTab(Tab tab)
{
    sensitivity_->refresh();
    reliability_->refresh();
    tabs_->setCurrentWidget(
        tab == Tab::Sensitivity ? static_cast<QWidget*>(sensitivity_) : reliability_);
    show();
    raise();
    activateWindow();
}

void StudyWindow::done(int result)
{
    reliability_->stop();
    QDialog::done(result);
}

} // namespace korvant::ui
