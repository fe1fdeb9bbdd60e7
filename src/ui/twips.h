// Positions and sizes of the window are given in twips (1/1440 inch) and turned into pixels at
// the screen's logical resolution, so the layout keeps its proportions at any screen scaling.
#pragma once

#include <QtMath>

namespace korvant::ui {

inline int TwipsToPixels(int twips, qreal logicalDpi)
{
    return qRound(twips * logicalDpi / 1440.0);
}

} // namespace korvant::ui
