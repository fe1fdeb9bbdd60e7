// What the Studies window shows of a study's result besides its table: the summary lines and the
// data of the tornado chart and of the histogram, all in the units of the session that the study
// ran on.
#pragma once

#include <string>
#include <vector>

#include "design/design_trace.h"
#include "design/reliability_study.h"
#include "design/sensitivity_study.h"

namespace korvant {

// "Base design 17.6 in; each input lowered and raised by 10 %."
std::string SensitivitySummary(const SensitivityResult& result);

// How far the thickness moves from the base design with an input lowered and with it raised.
struct TornadoBar
{
    std::string input;
    double lowered = 0;
    double raised = 0;
};

// The tornado chart: one bar pair for each input whose two designs ended, largest effect first,
// and an axis wide enough for the longest bar on either side of the base design.
struct TornadoChart
{
    std::string title;
    std::string axisTitle;
    double reach = 0;
    std::vector<TornadoBar> bars;
};
TornadoChart TornadoOf(const SensitivityResult& result);

// "Base design 17.6 in; 10000 samples, seed 1; 12 (0.12 %) stopped outside a model's domain."
std::string ReliabilitySummary(const ReliabilityResult& result);

// The histogram of the designed samples' thicknesses with its titles.
struct ThicknessHistogramChart
{
    std::string title;
    std::string axisTitle;
    double base = 0; // the base design's thickness
    std::vector<HistogramBar> bars;
};
ThicknessHistogramChart HistogramOf(const ReliabilityResult& result);

} // namespace korvant
