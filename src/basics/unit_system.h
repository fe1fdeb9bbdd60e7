// The two unit systems in which the window shows and the engineer types every value.
#pragma once

namespace korvant {

enum class UnitSystem { English, Metric };

} // namespace korvant
