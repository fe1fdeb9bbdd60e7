// A design session's input data files: the file content of a session, applying a read file to
// a session as the window's "Read Data From File..." does, saving a session, and the window's
// commands around them with their messages, the close prompt included.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "design/design_model.h"
#include "design/prompter.h"
#include "io/atomic_file.h"
#include "io/input_file.h"

namespace korvant {

// Puts a parsed file into the session, as reading it in the window does:
//  - the session returns to its start state: `catalogue` (the aircraft catalogue just read, in
//    English units) replaces the database, dropping every edit and conversion of aircraft values;
//    the mix is emptied; the thickness caption lbh and the last design's results are cleared;
//  - the session is brought into the file's unit system as a switch would bring it: the fields
//    that the file does not hold (of bottom layer, slab size, climate) are converted from the
//    session's current units, and the catalogue's unit-bearing values of every row;
//  - then the file's texts go into TxtE, TxtSc and Txtk and its values into fields 2..9 of the
//    records it names, all unchanged, and the mix takes its aircraft in file order.
//  - the project section's texts replace the fields it names, unchanged, and its layerMode and
//    bond option the structure; without the section (or a key of it) the structure stays, and
//    the field is converted as above.
// A field that must be converted but holds no number (or a value beyond the range of numbers)
// throws UnitSwitchRefused, and then nothing has changed.
// What remains for the window: show the title screen, tell its grid bookkeeping that the mix was
// replaced (its clicked row and the Change Data target are stale), and redraw grid and captions.
void ApplyInputFile(DesignModel& model, const InputFileData& data, AircraftDatabase catalogue);

struct InputFileLoaded
{
    std::filesystem::path path; // as given
    std::string catalogueNote; // the catalogue reader's note ("" when none)
    Message message; // "<path>  Loaded!", title "korvant13"
    std::optional<std::int16_t> layerMode; // the structure the project section restored
    InputFileData data; // the file as it was parsed
};

// Reads the whole file, then the catalogue again from `catalogue`, then applies the file. Throws
// InputFileError (unreadable or damaged file), CatalogueError (the catalogue cannot be read) or
// UnitSwitchRefused (see ApplyInputFile); on any of them the model is unchanged.
InputFileLoaded LoadInputFile(
    DesignModel& model, const std::filesystem::path& path, const std::filesystem::path& catalogue);

// The same for the text of a file already read (standard input), named `source` in messages.
InputFileLoaded LoadInputText(DesignModel& model, std::string_view content,
    const std::filesystem::path& source, const std::filesystem::path& catalogue);

// The file content of a session: its units, E, Sc, k, its mix with the records' values, and the
// project section with the seven other fields, layerMode and the bond option.
InputFileData InputFileDataOf(const DesignModel& model);

// Whether a session that has read `read` saves `saved`: the same units, E, Sc, k and mix, and
// every key of the project section that `read` holds with the same value.
bool SavesWhatWasRead(const InputFileData& saved, const InputFileData& read);

// Writes the session's input data file under WithInputFileExtension(path) with
// WriteFileAtomically and returns the path written. An empty name or one that names a folder is
// refused before the extension is added. Throws InputFileError (a value that cannot be written)
// or FileError (the file cannot be written, with path and reason; ReadOnlyFileError for a
// write-protected file unless options.replaceReadOnly); an existing file is then as it was.
std::filesystem::path SaveInputFile(
    const DesignModel& model, const std::filesystem::path& path, const SaveOptions& options = {});

// --- The window's commands, reporting through a prompter -------------------------------------

// How a failure of reading or saving is shown: its message, title "korvant13", OK.
Message InputFileFailureMessage(const std::exception& error);

// "Read Data From File..." after the open dialog returned `path`: loads it and shows the
// "  Loaded!" message, or shows the failure and changes nothing. Returns what was loaded, nothing
// when the file was not read.
std::optional<InputFileLoaded> ReadDataFromFile(DesignModel& model,
    const std::filesystem::path& path, const std::filesystem::path& catalogue, Prompter& prompter);

// "Save Input Data..." after the save dialog returned `path`: saves silently, or shows the
// failure; a write-protected file is replaced only when the user answers Yes to the question.
// Returns the path written, nothing on failure or No. The model is never changed.
std::optional<std::filesystem::path> SaveInputData(
    const DesignModel& model, const std::filesystem::path& path, Prompter& prompter);

// The close prompt: "Save Input Data before closi ng?", title "Save Dialog", Yes / No / Cancel,
// question icon.
Message SaveBeforeClosingQuestion();
// The same question before another file is read over unsaved changes: "Save Input Data before
// reading another file?".
Message SaveBeforeReadingQuestion();

// Asks `question` (one of the two above) and tells whether the work may be left: the window
// closed or another file read. Yes runs `saveInputData` (the window's whole save: dialog,
// SaveInputData), which returns false when the user cancelled the dialog or the save failed; the
// work then stays, so nothing is lost. No leaves it; Cancel stays.
bool ConfirmLeave(
    const Message& question, Prompter& prompter, const std::function<bool()>& saveInputData);

} // namespace korvant
