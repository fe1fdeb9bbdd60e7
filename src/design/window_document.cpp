// The window's session as a document: whether it holds unsaved changes (saving would write
// another text than its file holds), its title, where the file dialogs start, the recent files,
// the unit system it starts in and the question before its work would be lost.
#include <algorithm>
#include <utility>

#include "basics/program_info.h"
#include "design/recent_files.h"
#include "design/session_file.h"
#include "design/window_model.h"
#include "io/input_file.h"

namespace korvant {
// A two-layer structure takes its bonded (1) or unbonded (2) layerMode from the bond option at
// each design, and its view sets 1 until then; so 1 and 2 with the same bond option are the same
// structure, and a file saved after an unbonded design (2) is not changed by reading it back (1).
std::optional<std::string> WindowModel::comparableText(InputFileData data)
{
    if (data.project && data.project->layerMode && *data.project->layerMode != kOneLayer
        && data.project->bondNo)
        data.project->layerMode = *data.project->bondNo ? kTwoLayerUnbonded : kTwoLayerBonded;
    try {
        return InputFileText(data);
    } catch (const InputFileError&) {
        return std::nullopt; // a value that cannot be written: saving would not give a file
    }
}

std::optional<std::string> WindowModel::fileText() const
{
    return comparableText(InputFileDataOf(design_));
}

bool WindowModel::modified() const
{
    const std::optional<std::string> text = fileText();
    return !text || !savedText_ || *text != *savedText_;
}

std::string WindowModel::windowTitle() const
{
    const std::string program = kProgramName;
    if (currentFile_.empty())
        return program + "[*]";
    return currentFile_.filename().string() + "[*] \u2014 " + program;
}

std::filesystem::path WindowModel::proposedPath(const std::string& name, bool inputData) const
{
    if (inputData && !currentFile_.empty())
        return currentFile_;
    return lastFolder_.empty() ? std::filesystem::path(name) : lastFolder_ / name;
}

void WindowModel::setRecentFiles(std::vector<std::filesystem::path> files)
{
    recentFiles_.clear();
    // Oldest first, so that each moves in front of the ones before it.
    std::reverse(files.begin(), files.end());
    for (const std::filesystem::path& file : files)
        recentFiles_ = WithRecentFile(std::move(recentFiles_), file);
}

void WindowModel::startIn(UnitSystem units)
{
    SwitchUnits(design_, units);
    savedText_ = fileText();
}

bool WindowModel::confirmLeave(
    Leaving leaving, Prompter& prompter, const std::function<bool()>& save) const
{
    if (!modified())
        return true;
    return ConfirmLeave(
        leaving == Leaving::Closing ? SaveBeforeClosingQuestion() : SaveBeforeReadingQuestion(),
        prompter, save);
}

} // namespace korvant
