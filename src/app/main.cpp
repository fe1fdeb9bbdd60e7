// KORVANT's desktop program: `korvant [FILE.inp]` reads the aircraft catalogue, opens the main
// window and reads the file given, as a double click on it in a file manager does. --help and
// --version answer on standard output before Qt starts, so they need no display;
// --quit-after-start opens the window and ends once it is shown (used to check that the program
// starts).
#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "basics/program_info.h"
#include "design/desktop_arguments.h"
#include "design/window_model.h"
#include "design/window_texts.h"
#include "ui/file_export.h"
#include "ui/logo.h"
#include "ui/main_window.h"
#include "ui/qt_services.h"

namespace {

std::vector<std::string> Arguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

// --help or --version.
void AnswerWithoutWindow(const korvant::DesktopArguments& arguments)
{
    if (arguments.help)
        std::fputs(korvant::DesktopUsage().c_str(), stdout);
    else if (arguments.version)
        std::printf("korvant %s\n", korvant::kVersion);
}

} // namespace

int main(int argc, char** argv)
{
    // A file-size limit then fails a save with its message instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    if (korvant::AnswersWithoutWindow(Arguments(argc, argv))) {
        AnswerWithoutWindow(korvant::ParseDesktopArguments(Arguments(argc, argv)));
        return 0;
    }
    QApplication app(argc, argv); // takes Qt's own options out of argv
    QApplication::setOrganizationName(QStringLiteral("KORVANT"));
    QApplication::setApplicationName(QStringLiteral("korvant"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(korvant::kProgramName));
    QApplication::setApplicationVersion(QString::fromUtf8(korvant::kVersion));
    // The installed desktop entry, by which a Wayland compositor finds the icon; the same icon
    // for every window of the program.
    QGuiApplication::setDesktopFileName(QStringLiteral("korvant"));
    QApplication::setWindowIcon(korvant::ui::ProgramIcon());
    const korvant::DesktopArguments arguments
        = korvant::ParseDesktopArguments(Arguments(argc, argv));
    if (!arguments.error.empty()) {
        std::fprintf(
            stderr, "korvant: %s\n\n%s", arguments.error.c_str(), korvant::DesktopUsage().c_str());
        return 2;
    }

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
    if (arguments.file) {
        // Once the window is up, so that the file's messages appear over it; as an absolute path,
        // which the recent files keep for the next start wherever it is made from.
        const QString file = QFileInfo(korvant::ui::ShownPath(*arguments.file)).absoluteFilePath();
        QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
    }
    if (arguments.quitAfterStart)
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
