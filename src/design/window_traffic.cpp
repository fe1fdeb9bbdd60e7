// The window's traffic mix: the aircraft list, the grid's texts with their display patterns,
// adding and removing aircraft, and the Change Data edit of one grid cell.
#include "design/window_model.h"

#include "basics/program_info.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr const char* kRemovePrompt = "Please Select the aircarft that you want to delete!";

// The display pattern of each grid column; "" shows the text as stored.
constexpr const char* kColumnPatterns[kGridColumns]
    = { "", "0", "", "", "0.00", "", "0.00", "0.00", "0.00" };

AircraftField FieldOfColumn(int column)
{
    return static_cast<AircraftField>(column + 1);
}

} // namespace

std::vector<std::string> WindowModel::aircraftListNames() const
{
    std::vector<std::string> names;
    for (int r = 1; r <= design_.database.recordCount; ++r)
        names.push_back(design_.database.record(r).name);
    return names;
}

std::vector<std::vector<std::string>> WindowModel::gridTexts() const
{
    const int count = design_.mix.count();
    std::vector<std::vector<std::string>> rows(
        static_cast<std::size_t>(kGridHeaderRows + count), std::vector<std::string>(kGridColumns));
    for (int c = 0; c < kGridColumns; ++c) {
        const auto column = static_cast<std::size_t>(c);
        rows[0][column] = design_.database.titles[column + 1];
        rows[1][column] = GridUnitCaption(FieldOfColumn(c), design_.units);
    }
    for (int slot = 1; slot <= count; ++slot) {
        const AircraftRecord& record = design_.database.record(design_.mix.record(slot));
        auto& row = rows[static_cast<std::size_t>(slot + 1)];
        for (int c = 0; c < kGridColumns; ++c) {
            const std::string& text = record.field(FieldOfColumn(c));
            const std::string_view pattern = kColumnPatterns[c];
            row[static_cast<std::size_t>(c)] = pattern.empty() ? text : FormatText(text, pattern);
        }
    }
    return rows;
}

bool WindowModel::addListAircraft(int listPosition)
{
    if (listPosition < 0 || listPosition >= design_.database.recordCount)
        return false;
    if (!design_.mix.add(listPosition + 1))
        return false;
    inputsChanged();
    status_ = "Added " + design_.database.record(listPosition + 1).name + " to the mix.";
    return true;
}

void WindowModel::clickCell(int row, int /*column*/)
{
    clickedRow_ = static_cast<std::int16_t>(row);
    clickStale_ = false;
}

bool WindowModel::removeClicked(Prompter& prompter)
{
    const int count = design_.mix.count();
    if (count == 0)
        return false;
    if (clickStale_ || clickedRow_ < kGridHeaderRows || clickedRow_ > count + 1) {
        prompter.ask({ kRemovePrompt, kProgramName, Buttons::Ok, Icon::Information });
        return false;
    }
    const std::string name = design_.database.record(design_.mix.record(clickedRow_ - 1)).name;
    design_.mix.removeSlot(clickedRow_ - 1);
    clickedRow_ = 0;
    inputsChanged();
    status_ = "Removed " + name + " from the mix.";
    return true;
}

void WindowModel::removeAll()
{
    if (design_.mix.count() > 0) {
        inputsChanged();
        status_ = "Removed every aircraft from the mix.";
    }
    design_.mix.clear();
    clickStale_ = true;
}

std::optional<ChangeDataRequest> WindowModel::beginEdit(int row, int column)
{
    if (row < kGridHeaderRows || row > design_.mix.count() + 1 || column < 1
        || column >= kGridColumns)
        return std::nullopt;
    editRow_ = static_cast<std::int16_t>(row - 1);
    editColumn_ = static_cast<std::int16_t>(column);
    const AircraftField field = FieldOfColumn(column);
    const AircraftRecord& record = design_.database.record(design_.mix.record(editRow_));
    oldValue_ = record.field(field);
    return ChangeDataRequest {
        "Please input the new " + design_.database.titles[static_cast<std::size_t>(field)]
            + " data of " + record.name,
        oldValue_,
        GridUnitCaption(field, design_.units),
    };
}

EditResult WindowModel::confirmEdit(std::string_view text, Prompter& prompter)
{
    // The dialog is modeless: the mix may have shrunk since the cell was double-clicked. The
    // value is still checked, but then it has nowhere to go.
    const bool targetKept = editRow_ >= 1 && editRow_ <= design_.mix.count() && editColumn_ >= 1;
    AircraftRecord nowhere;
    AircraftRecord& record
        = targetKept ? design_.database.record(design_.mix.record(editRow_)) : nowhere;
    const AircraftField field = FieldOfColumn(targetKept ? editColumn_ : 1);
    const std::string before = record.field(field);
    ChangeOutcome outcome = ChangeAircraftValue(record, field, text, prompter);
    if (!outcome.stored) {
        status_ = "Not changed: the value is not a valid number.";
        return { EditOutcome::Rejected, oldValue_ };
    }
    if (!targetKept) {
        status_ = "Not changed: the aircraft is no longer in the mix.";
        return { EditOutcome::TargetGone, outcome.text };
    }
    if (record.field(field) != before)
        inputsChanged();
    status_ = "Changed the " + design_.database.titles[static_cast<std::size_t>(field)] + " of "
        + record.name + " to " + record.field(field) + ".";
    return { EditOutcome::Stored, outcome.text };
}

} // namespace korvant
