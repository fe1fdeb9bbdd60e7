// The program's icon, the same PNGs as the installed hicolor icons compiled in as a Qt resource,
// and the colours of the window's layer bands.
#pragma once

#include <QColor>
#include <QIcon>

namespace korvant::ui {

// The colours of the layer bands.
inline const QColor kSlabColour { 0xb4, 0xb6, 0xb3 }; // concrete grey
inline const QColor kBottomLayerColour { 0xd2, 0xb4, 0x7c }; // crushed stone
inline const QColor kSubgradeColour { 0x8a, 0x63, 0x3f }; // earth brown

// The icon at every size it is installed in (16 to 512 px).
QIcon ProgramIcon();

} // namespace korvant::ui
