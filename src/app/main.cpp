// KORVANT's desktop program: reads the aircraft catalogue and opens the main window. Options:
// --version prints the version; --quit-after-start opens the window and ends once it is shown
// (used to check that the program starts).
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "basics/program_info.h"
#include "design/window_model.h"
#include "design/window_texts.h"
#include "ui/logo.h"
#include "ui/main_window.h"
#include "ui/qt_services.h"

namespace {

bool HasOption(int argc, char** argv, const char* option)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // A file-size limit then fails a save with its message instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    if (HasOption(argc, argv, "--version")) {
        std::printf("korvant %s\n", korvant::kVersion);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvant"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(korvant::kProgramName));
    QApplication::setApplicationVersion(QString::fromUtf8(korvant::kVersion));
    // The installed desktop entry, by which a Wayland compositor finds the icon; the same icon
    // for every window of the program.
    QGuiApplication::setDesktopFileName(QStringLiteral("korvant"));
    QApplication::setWindowIcon(korvant::ui::ProgramIcon());

    korvant::ui::QtServices services;
    korvant::DesignModel session;
    std::filesystem::path catalogue;
    try {
        std::string note;
        catalogue = korvant::LoadStartCatalogue(
            session, korvant::CatalogueCandidates(korvant::ExecutableDir()), note);
        if (!note.empty())
            services.prompter.ask(
                { note, korvant::kProgramName, korvant::Buttons::Ok, korvant::Icon::Information });
    } catch (const korvant::CatalogueError& error) {
        services.prompter.ask(korvant::CatalogueFailureMessage(error));
        return 1;
    }

    korvant::ui::MainWindow window(
        korvant::WindowModel(std::move(session), catalogue), services.services());
    services.prompter.setParent(&window);
    window.show();
    if (HasOption(argc, argv, "--quit-after-start"))
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
