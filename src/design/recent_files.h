// The recent-files list of the window's File menu: the input data files last read or saved,
// newest first, each once, at most kRecentFileCount of them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace korvant {

inline constexpr std::size_t kRecentFileCount = 8;

// The list with `file` first; a file already in it moves up, and the oldest beyond
// kRecentFileCount drop off. Empty paths are dropped.
std::vector<std::filesystem::path> WithRecentFile(
    std::vector<std::filesystem::path> list, const std::filesystem::path& file);

// The list without `file`.
std::vector<std::filesystem::path> WithoutRecentFile(
    std::vector<std::filesystem::path> list, const std::filesystem::path& file);

// The menu entry of the list's entry at `index` (from 0): "&1 design.inp" up to "&9"; the
// folder goes into the entry's tooltip.
std::string RecentFileEntry(std::size_t index, const std::filesystem::path& file);

} // namespace korvant
