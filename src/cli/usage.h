// The text of korvant-cli --help.
#pragma once

namespace korvant {

extern const char* const kUsage;

} // namespace korvant
