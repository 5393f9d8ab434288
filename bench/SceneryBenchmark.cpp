// Times IniDocument load+save and the register and delete commands on generated scenery.cfg
// files in a temporary folder, each beside a raw read+write of the same file in the same run,
// and prints the ratios at the end.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "platform/PosixPlatform.h"
#include "scenery/IniDocument.h"
#include "scenery/Scenery.h"

namespace {

namespace fs = std::filesystem;

// The test folders: <root>/FS2002 holds scenery.cfg, <root>/Velport5 the add-on with its areas.
// The commands get them as Windows paths (backslashes), as the program would.
struct Folders {
    fs::path root;
    std::string fs2002;
    std::string addon;
};

std::string WindowsPath(std::string path) {
    for (char& c : path)
        c = (c == '/') ? '\\' : c;
    return path;
}

const Folders& TestFolders() {
    static const Folders folders = [] {
        char pattern[] = "/tmp/velport-bench-XXXXXX";
        Folders f;
        f.root = ::mkdtemp(pattern);
        f.fs2002 = WindowsPath((f.root / "FS2002").string());
        f.addon = WindowsPath((f.root / "Velport5").string());
        fs::create_directories(f.root / "FS2002");
        for (const auto& row : scenery::SceneryTable) {
            std::string folder = row.folder;
            for (char& c : folder)
                c = (c == '\\') ? '/' : c;
            const fs::path scenery = f.root / "Velport5" / folder / "Scenery";
            fs::create_directories(scenery);
            std::ofstream(scenery / "area.bgl") << "bgl";
        }
        return f;
    }();
    return folders;
}

// The Local value under which the register command lists catalogue row `row`: the add-on
// folder lies beside the FS2002 folder.
std::string LocalOf(int row) {
    return std::string("..\\Velport5\\") + scenery::SceneryTable[row].folder;
}

// A scenery.cfg in FS2002's style with `areas` area sections; when `withAddon` is set, eight of
// them (spread over the file) are the add-on's.
std::string GenerateConfig(int areas, bool withAddon) {
    std::string text =
        "[General]\r\nTitle=FS2002 World Scenery\r\nDescription=FS2002 Scenery Data\r\n"
        "Clean_on_Exit=TRUE\r\n\r\n";
    char buffer[512];
    const int stride = areas / scenery::kAreaCount;
    for (int n = 1; n <= areas; ++n) {
        const int row = (n - 1) / stride;
        const bool addon = withAddon && (n - 1) % stride == 0 && row < scenery::kAreaCount;
        const std::string local =
            addon ? LocalOf(row) : "Scenery\\Region\\Area" + std::to_string(n);
        std::snprintf(
            buffer, sizeof buffer,
            "[Area.%03d]\r\nTitle=Scenery area %d\r\nLocal=%s\r\nRemote=\r\nActive=TRUE\r\n"
            "Required=FALSE\r\nLayer=%d\r\n\r\n",
            n, n, local.c_str(), n);
        text += buffer;
    }
    return text;
}

std::string ConfigPath() {
    return (TestFolders().root / "FS2002" / "scenery.cfg").string();
}

void WriteConfig(const std::string& bytes) {
    std::ofstream out(ConfigPath(), std::ios::binary | std::ios::trunc);
    out << bytes;
}

void RawReadWrite(benchmark::State& state) {
    platform::PosixPlatform platform;
    WriteConfig(GenerateConfig(static_cast<int>(state.range(0)), true));
    for (auto _ : state) {
        std::string bytes;
        platform.ReadWholeFile(ConfigPath(), bytes);
        platform.WriteNewFile(ConfigPath(), bytes);
        benchmark::DoNotOptimize(bytes);
    }
}

void IniLoadSave(benchmark::State& state) {
    platform::PosixPlatform platform;
    WriteConfig(GenerateConfig(static_cast<int>(state.range(0)), true));
    for (auto _ : state) {
        scenery::IniDocument document(platform, ConfigPath());
        if (!document.Load().ok() || !document.Save().ok())
            state.SkipWithError("load or save failed");
    }
}

// Runs one command per iteration on a fresh copy of the generated file.
template <bool kRegister>
void Command(benchmark::State& state) {
    platform::PosixPlatform platform;
    const std::string original = GenerateConfig(static_cast<int>(state.range(0)), !kRegister);
    const Folders& folders = TestFolders();
    for (auto _ : state) {
        state.PauseTiming();
        WriteConfig(original);
        scenery::SceneryState records;
        state.ResumeTiming();
        const bool ran =
            kRegister ? scenery::RegisterScenery(platform, records, folders.fs2002, folders.addon)
                      : scenery::DeleteScenery(platform, records, folders.fs2002, folders.addon);
        if (!ran)
            state.SkipWithError("the command stopped");
    }
}

// Area counts. A file of 999 area sections numbered 001 to 999 has no number left for the
// register command to add to, so register runs on 991, the largest file it can add eight to.
BENCHMARK(RawReadWrite)->Arg(100)->Arg(500)->Arg(991)->Arg(999)->Unit(benchmark::kMicrosecond);
BENCHMARK(IniLoadSave)->Arg(100)->Arg(500)->Arg(999)->Unit(benchmark::kMicrosecond);
BENCHMARK(Command<true>)
    ->Name("RegisterScenery")
    ->Arg(100)
    ->Arg(500)
    ->Arg(991)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(Command<false>)
    ->Name("DeleteScenery")
    ->Arg(100)
    ->Arg(500)
    ->Arg(999)
    ->Unit(benchmark::kMicrosecond);

// Collects each run's time per iteration, for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

void PrintSummary(const std::map<std::string, double>& t) {
    const auto at = [&](const std::string& name, int n) {
        const auto it = t.find(name + "/" + std::to_string(n));
        return it == t.end() ? 0.0 : it->second;
    };
    std::printf("\n%-16s %6s %12s %12s %10s\n", "operation", "areas", "time (us)", "raw (us)",
                "x raw");
    const struct {
        const char* name;
        int sizes[3];
    } rows[] = {{"IniLoadSave", {100, 500, 999}},
                {"RegisterScenery", {100, 500, 991}},
                {"DeleteScenery", {100, 500, 999}}};
    for (const auto& row : rows) {
        for (int n : row.sizes) {
            const double time = at(row.name, n), raw = at("RawReadWrite", n);
            std::printf("%-16s %6d %12.1f %12.1f %10.2f\n", row.name, n, time, raw,
                        raw > 0 ? time / raw : 0.0);
        }
        const double small = at(row.name, row.sizes[0]);
        std::printf("%-16s growth %d -> %d areas: %.2fx\n", row.name, row.sizes[0], row.sizes[2],
                    small > 0 ? at(row.name, row.sizes[2]) / small : 0.0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // glibc hands freed heap memory back to the system as soon as a few hundred kilobytes are
    // free, so every iteration that frees a file-sized buffer faults its pages in again; that
    // measures the allocator, not the program (the Windows heap keeps such memory). Trimming is
    // turned off for every operation alike, the raw read+write included.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintSummary(reporter.times);
    benchmark::Shutdown();
    std::filesystem::remove_all(TestFolders().root);
    return 0;
}
