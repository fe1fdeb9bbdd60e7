// The program's logo: a concrete slab on its bottom layer and subgrade under a wheel load, drawn
// in the colours of the window's layer bands.
#pragma once

#include <QColor>
#include <QPixmap>

namespace korvant::ui {

// The colours of the layer bands.
inline const QColor kSlabColour { 0xb4, 0xb6, 0xb3 }; // concrete grey
inline const QColor kBottomLayerColour { 0xd2, 0xb4, 0x7c }; // crushed stone
inline const QColor kSubgradeColour { 0x8a, 0x63, 0x3f }; // earth brown

// A square logo of `size` logical pixels for a device pixel ratio.
QPixmap ProgramLogo(int size, qreal devicePixelRatio = 1.0);

} // namespace korvant::ui
