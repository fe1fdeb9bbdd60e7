// The main window's input data files as documents: reading (from the menu, a recent file, the
// command line or a drop) after the question about unsaved changes, Save and Save As, the recent
// files menu, the settings kept in QSettings, and closing.
#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include "design/recent_files.h"
#include "io/input_file.h"
#include "ui/about_box.h"
#include "ui/file_export.h"
#include "ui/main_window.h"
#include "ui/traffic_panel.h"

namespace korvant::ui {
namespace {

// The keys of the settings.
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kLastFolderKey = QStringLiteral("files/lastFolder");
const QString kRecentKey = QStringLiteral("files/recent");
const QString kStartUnitsKey = QStringLiteral("units/start");
const QString kMetric = QStringLiteral("Metric");

// The one input data file of a drop, or an empty text.
QString DroppedInputFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || !HasInputFileExtension(LocalPath(url.toLocalFile())))
        return {};
    return url.toLocalFile();
}

} // namespace

void MainWindow::readSettings()
{
    QSettings* settings = services_.settings;
    if (!settings)
        return;
    restoreGeometry(settings->value(kGeometryKey).toByteArray());
    // A window kept from a larger screen or scale still fits this one.
    resize(size().boundedTo(screen()->availableGeometry().size()));
    state_.setLastFolder(LocalPath(settings->value(kLastFolderKey).toString()));
    std::vector<std::filesystem::path> recent;
    for (const QString& file : settings->value(kRecentKey).toStringList())
        recent.push_back(LocalPath(file));
    state_.setRecentFiles(std::move(recent));
    const bool metric = settings->value(kStartUnitsKey).toString() == kMetric;
    startMetric_->setChecked(metric);
    if (metric)
        state_.startIn(UnitSystem::Metric);
    refreshRecentMenu();
}

void MainWindow::writeSettings(bool geometry)
{
    QSettings* settings = services_.settings;
    if (!settings)
        return;
    if (geometry)
        settings->setValue(kGeometryKey, saveGeometry());
    settings->setValue(kLastFolderKey, ShownPath(state_.lastFolder()));
    QStringList recent;
    for (const std::filesystem::path& file : state_.recentFiles())
        recent << ShownPath(file);
    settings->setValue(kRecentKey, recent);
    settings->setValue(
        kStartUnitsKey, startMetric_->isChecked() ? kMetric : QStringLiteral("English"));
    settings->sync();
}

void MainWindow::refreshRecentMenu()
{
    recentMenu_->clear();
    const auto& files = state_.recentFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString path = ShownPath(files[i]);
        QAction* entry
            = recentMenu_->addAction(QString::fromStdString(RecentFileEntry(i, files[i])), this,
                [this, path] { openFile(path); });
        entry->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        entry->setToolTip(path);
        entry->setStatusTip(path);
    }
    recentMenu_->menuAction()->setEnabled(!files.empty());
}

void MainWindow::readInputData()
{
    if (!state_.confirmLeave(WindowModel::Leaving::ReadingAnother, *services_.prompter,
            [this] { return saveInputData(); }))
        return;
    const QString path = services_.files->openFileName(this, tr("Read Data From File"),
        tr("Input data files (*.inp)"), ShownPath(state_.proposedPath("", true)));
    if (!path.isEmpty())
        readFile(path);
}

bool MainWindow::openFile(const QString& path)
{
    if (!state_.confirmLeave(WindowModel::Leaving::ReadingAnother, *services_.prompter,
            [this] { return saveInputData(); }))
        return false;
    return readFile(path);
}

bool MainWindow::readFile(const QString& path)
{
    bool read = false;
    {
        BusyPointer busy;
        read = state_.readInputData(LocalPath(path), *services_.prompter);
    }
    if (read) {
        traffic_->closeChangeData();
        // The state entered the file's view as it read it.
        showLayout(ViewLayoutOf(state_.view()));
    }
    refreshRecentMenu();
    writeSettings(false);
    refreshMarks();
    return read;
}

bool MainWindow::saveInputData()
{
    if (state_.currentFile().empty())
        return saveInputDataAs();
    return saveTo(ShownPath(state_.currentFile()));
}

bool MainWindow::saveInputDataAs()
{
    const QString path = services_.files->saveFileName(this, tr("Save Input Data As"),
        tr("Input data files (*.inp)"), ShownPath(state_.proposedPath("design.inp", true)));
    return !path.isEmpty() && saveTo(path);
}

bool MainWindow::saveTo(const QString& path)
{
    bool saved = false;
    {
        BusyPointer busy;
        saved = state_.saveInputData(LocalPath(path), *services_.prompter).has_value();
    }
    refreshRecentMenu();
    writeSettings(false);
    refreshMarks();
    return saved;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedInputFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedInputFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openFile(path);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Asked only over unsaved changes; a cancelled or failed save keeps the window open so no
    // work is lost.
    if (!state_.confirmLeave(WindowModel::Leaving::Closing, *services_.prompter,
            [this] { return saveInputData(); })) {
        event->ignore();
        return;
    }
    writeSettings(true);
    // Closing the main window ends the program with all its windows.
    traffic_->closeChangeData();
    if (about_)
        about_->close();
    if (studies_)
        studies_->close(); // cancels a running study
    for (QWidget* child : findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        child->close();
    event->accept();
}

} // namespace korvant::ui
