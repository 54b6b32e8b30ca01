// The main window opened, offscreen, with a bloated settings or language
// file beside it: 50 MB of extra sections, or 50 MB of extra keys in the
// section the window reads. The file is dated back, as a file edited long
// ago, so that it counts as settled and is parsed once. Each case runs once:
// it is the first opening, with the file parsed, that a start costs.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/files/Paths.h"
#include "app/main/frmMain.h"
#include "os/desktop/EventLoop.h"
#include "os/testing/OffscreenApplication.h"

namespace {

constexpr std::size_t kBloat = 50'000'000;

enum class Bloat { Sections, Keys };

std::filesystem::path Folder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestrany-bench-XXXXXX").string();
        return std::filesystem::path(::mkdtemp(pattern.data()));
    }();
    return folder;
}

void WriteBloated(const std::filesystem::path& path, const std::string& head, const std::string& section,
                  Bloat bloat) {
    std::ofstream file(path, std::ios::binary);
    file << head << section;
    std::size_t written = 0;
    for (std::size_t i = 0; written < kBloat; ++i) {
        const std::string line = bloat == Bloat::Sections
                                     ? "[junk" + std::to_string(i) + "]\nkey=" + std::string(30, 'x') + "\n"
                                     : "junk" + std::to_string(i) + "=" + std::string(30, 'y') + "\n";
        file << line;
        written += line.size();
    }
    file.close();
    const struct timespec old[2] = {{1'700'000'000, 0}, {1'700'000'000, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), old, 0);
}

// Opens and loads the main window with the files of the folder, as a start does.
void StartWindow(benchmark::State& state) {
    app::SetIniPath((Folder() / "kestrany.ini").string());
    app::SetLangPath((Folder() / "lang.txt").string());
    for (auto _ : state) {
        app::frmMain window;
        window.Window().Load();
        os::ProcessPendingEvents();
    }
}

void OpenWindow(benchmark::State& state, const std::string& name, Bloat bloat) {
    const std::filesystem::path file = Folder() / name;
    const bool settings = name == "kestrany.ini";
    WriteBloated(file, settings ? "[sets]\nGears_count=11\ngears_0=24\n" : "[frmMain]\nbtnCalc=Rechnen!\n",
                 bloat == Bloat::Keys ? "" : "[other]\n", bloat);
    StartWindow(state);
    std::filesystem::remove(file);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

void BM_PlainStart(benchmark::State& state) { StartWindow(state); }
void BM_SettingsWith50MBOfSections(benchmark::State& state) { OpenWindow(state, "kestrany.ini", Bloat::Sections); }
void BM_SettingsWith50MBOfKeys(benchmark::State& state) { OpenWindow(state, "kestrany.ini", Bloat::Keys); }
void BM_LanguageWith50MBOfKeys(benchmark::State& state) { OpenWindow(state, "lang.txt", Bloat::Keys); }

}  // namespace

BENCHMARK(BM_PlainStart)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SettingsWith50MBOfSections)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SettingsWith50MBOfKeys)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LanguageWith50MBOfKeys)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    os::testing::OffscreenApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Folder());
    return 0;
}
