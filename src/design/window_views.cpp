// The view table of the main window.
#include "design/window_views.h"

namespace korvant {

const ViewLayout& ViewLayoutOf(View view)
{
    // The picture area hides everything it carries, so the aircraft view need not hide the
    // design groups one by one; only the unit captions of the slab rows are hidden explicitly.
    static const ViewLayout title = {
        .picture = true,
        .titleLines = true,
        .slabGroup = false,
        .slabUnitCaptions = false,
        .climate = false,
        .bottomLayer = false,
        .designButtons = false,
        .aircraftControls = false,
        .report = false,
        .trace = false,
        .acrTable = false,
        .aircraftMenu = true,
        .structureMenu = true,
        .acrMenu = true,
        .rowsLowered = {},
        .focus = nullptr,
    };
    static const ViewLayout aircraft = {
        .picture = false,
        .titleLines = false,
        .slabGroup = {},
        .slabUnitCaptions = false,
        .climate = {},
        .bottomLayer = {},
        .designButtons = false,
        .aircraftControls = true,
        .report = false,
        .trace = false,
        .acrTable = false,
        .aircraftMenu = false,
        .structureMenu = true,
        .acrMenu = true,
        .rowsLowered = {},
        .focus = "ListAircraft",
    };
    static const ViewLayout oneLayer = {
        .picture = true,
        .titleLines = false,
        .slabGroup = true,
        .slabUnitCaptions = true,
        .climate = true,
        .bottomLayer = false,
        .designButtons = true,
        .aircraftControls = false,
        .report = false,
        .trace = false,
        .acrTable = false,
        .aircraftMenu = true,
        .structureMenu = false,
        .acrMenu = true,
        .rowsLowered = false,
        .focus = "TxtE",
    };
    static const ViewLayout twoLayer = [] {
        ViewLayout layout = oneLayer;
        layout.bottomLayer = true;
        layout.rowsLowered = true;
        return layout;
    }();
    // The ACR table covers the picture and the aircraft data; the design groups keep their state.
    static const ViewLayout acr = {
        .picture = false,
        .titleLines = {},
        .slabGroup = {},
        .slabUnitCaptions = {},
        .climate = {},
        .bottomLayer = {},
        .designButtons = {},
        .aircraftControls = false,
        .report = false,
        .trace = false,
        .acrTable = true,
        .aircraftMenu = true,
        .structureMenu = true,
        .acrMenu = false,
        .rowsLowered = {},
        .focus = "tblAcr",
    };
    switch (view) {
    case View::Title:
        return title;
    case View::Aircraft:
        return aircraft;
    case View::OneLayer:
        return oneLayer;
    case View::TwoLayer:
        return twoLayer;
    case View::Acr:
        return acr;
    }
    return title;
}

const ViewLayout& ReportShownLayout()
{
    static const ViewLayout layout = [] {
        ViewLayout shown;
        shown.report = true;
        shown.trace = false;
        shown.acrTable = false;
        shown.structureMenu = true;
        shown.acrMenu = true;
        shown.focus = "txtReports";
        return shown;
    }();
    return layout;
}

const ViewLayout& TraceShownLayout()
{
    static const ViewLayout layout = [] {
        ViewLayout shown;
        shown.report = false;
        shown.trace = true;
        shown.acrTable = false;
        shown.aircraftMenu = true;
        shown.structureMenu = true;
        shown.acrMenu = true;
        shown.focus = "tblTraceAircraft";
        return shown;
    }();
    return layout;
}

} // namespace korvant
