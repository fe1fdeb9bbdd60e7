// The charts of the Studies window over the core's data: the tornado chart of the sensitivity
// study and the histogram of the reliability study's thicknesses.
#pragma once

#include "design/window_studies.h"

class QChart;

namespace korvant::ui {

// Two horizontal bars for each input, the change of the thickness with the input lowered and
// with it raised, both from the base design at 0; the largest effect on top.
QChart* NewTornadoChart(const TornadoChart& data);

// The count of samples in each thickness band as steps over the thickness axis, and the base
// design's thickness as a vertical line.
QChart* NewHistogramChart(const ThicknessHistogramChart& data);

} // namespace korvant::ui
