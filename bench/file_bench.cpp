// Speed of the file readers on the largest files they read (1 MiB) and on 100 MB files: from disk
// these are refused after the first megabyte; a text already in memory is parsed only as far as
// a catalogue of 65 aircraft or an input file of a whole mix reaches, and the whole text is
// looked through for damage. And of a save of an input data file of a whole mix (written,
// synced, renamed) in a folder that holds 0 or 1000 other files, which each save looks through
// for temporary files left by a process that died.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "io/atomic_file.h"
#include "io/input_file.h"
#include "traffic/aircraft_database.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t k100MB = 100'000'000;

// `start` followed by `filler` until the text has `size` bytes.
std::string Filled(const std::string& start, const std::string& filler, std::size_t size)
{
    std::string text = start;
    text.reserve(size + filler.size());
    while (text.size() < size)
        text += filler;
    text.resize(size);
    return text;
}

std::string Catalogue(std::size_t size)
{
    return Filled(
        ReadWholeFile(KORVANT_CATALOGUE), "Filler,100000,1000,47.5,200,2,30,0,10\r\n", size);
}

std::string InputFile(std::size_t size)
{
    std::string text
        = "KORVANT-\r\n****ENG****\r\n\r\n4000000\r\n650\r\n200\r\n\r\n***Aircraft\r\n 65 \r\n";
    for (int record = 1; record <= 65; ++record)
        text += " " + std::to_string(record)
            + " \r\n174700\r\n1200\r\n46.78\r\n205\r\n2\r\n34\r\n0\r\n11.72\r\n";
    return Filled(text, "\r\n", size);
}

// A file of the text in the temporary folder, removed with the object.
struct TemporaryFile
{
    explicit TemporaryFile(const std::string& text)
        : path(fs::temp_directory_path() / ("korvant-bench-" + std::to_string(::getpid())))
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    ~TemporaryFile() { fs::remove(path); }
    fs::path path;
};

void BM_ParseCatalogue(benchmark::State& state)
{
    const std::string text = Catalogue(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        AircraftDatabase database;
        benchmark::DoNotOptimize(ParseAircraftData(text, "fly.dll", database));
    }
}
BENCHMARK(BM_ParseCatalogue)->Arg(kMaxCatalogueBytes)->Arg(k100MB)->Unit(benchmark::kMicrosecond);

void BM_ReadCatalogue(benchmark::State& state)
{
    const TemporaryFile file(Catalogue(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        AircraftDatabase database;
        try {
            benchmark::DoNotOptimize(ReadAircraftData(file.path, database));
        } catch (const CatalogueError&) {
            // the 100 MB file is refused
        }
    }
}
BENCHMARK(BM_ReadCatalogue)->Arg(kMaxCatalogueBytes)->Arg(k100MB)->Unit(benchmark::kMicrosecond);

void BM_ParseInputFile(benchmark::State& state)
{
    const std::string text = InputFile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseInputFile(text, "design.inp"));
}
BENCHMARK(BM_ParseInputFile)->Arg(kMaxInputFileBytes)->Arg(k100MB)->Unit(benchmark::kMicrosecond);

void BM_ReadInputFile(benchmark::State& state)
{
    const TemporaryFile file(InputFile(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(ReadInputFile(file.path));
        } catch (const InputFileError&) {
            // the 100 MB file is refused
        }
    }
}
BENCHMARK(BM_ReadInputFile)->Arg(kMaxInputFileBytes)->Arg(k100MB)->Unit(benchmark::kMicrosecond);

void BM_SaveInputFile(benchmark::State& state)
{
    const fs::path folder
        = fs::temp_directory_path() / ("korvant-bench-save-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    for (int i = 0; i < state.range(0); ++i)
        std::ofstream(folder / ("other-" + std::to_string(i) + ".inp")) << "x";
    const std::string text = InputFile(0);
    for (auto _ : state)
        WriteFileAtomically(folder / "design.inp", text);
    fs::remove_all(folder);
}
BENCHMARK(BM_SaveInputFile)->Arg(0)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace korvant
