// The recent-files list: paths compared as they are written, so one file read by two spellings
// of its path may appear twice; both read the same file.
#include "design/recent_files.h"

#include <algorithm>

namespace korvant {

std::vector<std::filesystem::path> WithRecentFile(
    std::vector<std::filesystem::path> list, const std::filesystem::path& file)
{
    list = WithoutRecentFile(std::move(list), file);
    if (!file.empty())
        list.insert(list.begin(), file);
    std::erase_if(list, [](const std::filesystem::path& path) { return path.empty(); });
    if (list.size() > kRecentFileCount)
        list.resize(kRecentFileCount);
    return list;
}

std::vector<std::filesystem::path> WithoutRecentFile(
    std::vector<std::filesystem::path> list, const std::filesystem::path& file)
{
    std::erase(list, file);
    return list;
}

std::string RecentFileEntry(std::size_t index, const std::filesystem::path& file)
{
    const std::string name = file.filename().string();
    return index < 9 ? "&" + std::to_string(index + 1) + " " + name : name;
}

} // namespace korvant
