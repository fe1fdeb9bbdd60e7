// The main window's views (title screen, aircraft data, one-layer and two-layer structure, the
// ACR table) and what each shows, hides, enables and disables and which control then takes the
// keyboard; and the report and the calculation trace shown over a view.
#pragma once

#include <optional>

namespace korvant {

enum class View { Title, Aircraft, OneLayer, TwoLayer, Acr };

// What a view does to the window. Each entry is "show/enable" (true), "hide/disable" (false) or
// "leave as it is" (empty).
struct ViewLayout
{
    std::optional<bool> picture; // the picture area with everything it carries
    std::optional<bool> titleLines; // LbTitle1, LbTitle2
    std::optional<bool> slabGroup; // slab and subgrade rows, slab size, their bands
    std::optional<bool> slabUnitCaptions; // the units of E, Sc, k and the thickness result
    std::optional<bool> climate; // the frame of the annual mean climate
    std::optional<bool> bottomLayer; // bottom-layer fields, the "Bonded" frame, its band
    std::optional<bool> designButtons; // Design Thickness, Report
    std::optional<bool> aircraftControls; // aircraft list, grid, Add, Remove, Remove ALL
    std::optional<bool> report; // the report text
    std::optional<bool> trace; // the calculation trace
    std::optional<bool> acrTable; // the ACR view
    std::optional<bool> aircraftMenu; // "&Aircraft Data" enabled
    std::optional<bool> structureMenu; // "&Design Structure" enabled
    std::optional<bool> acrMenu; // "ACR Ta&ble" enabled
    // The subgrade and slab-size rows sit lower, below the bottom layer (two-layer view).
    std::optional<bool> rowsLowered;
    // The object name of the control that takes the keyboard focus (none: the window keeps it).
    const char* focus = nullptr;
};

const ViewLayout& ViewLayoutOf(View view);
// Showing the report over a design view: the report text and "&Design Structure" again.
const ViewLayout& ReportShownLayout();
// Showing the calculation trace over any view: the trace, and both view menus again.
const ViewLayout& TraceShownLayout();

} // namespace korvant
