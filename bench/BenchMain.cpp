// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// Measures the program against references taken in the same run and prints a table, then the
// figures as one JSON object on the last line. Run it through bench/run, which builds in Release
// and gives it an X display of its own.
// Usage: torvamik_bench PICTURE_FOLDER LARGE_PICTURE_FOLDER HUGE_PICTURE_FILE
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "Form1.h"
#include "Statistics.h"

namespace {

namespace fs = std::filesystem;

constexpr int startupRuns = 20;
constexpr int switchesCounted = 50;
constexpr int playedRunsPerSet = 3;  // 20 feedback pictures per run
constexpr double playClockSpeed = 50.0;
constexpr int pausesMeasured = 3;
constexpr int hugeShows = 5;
constexpr double frameMs = 1000.0 / 60.0;

struct Figures {
    double startupMs = NAN, startupReferenceMs = NAN, startupCpuMs = NAN,
           startupReferenceCpuMs = NAN;
    double peakMb = NAN, peakReferenceMb = NAN;
    double pauseCpu = NAN, pauseReferenceCpu = NAN;
    double pauseMin = NAN, pauseMax = NAN;
    double switchP95 = NAN, switchP95Large = NAN;
    double switchMedian = NAN, switchMedianLarge = NAN;
    double hugeMs = NAN, hugeExtraMb = NAN, hugeLibraryMs = NAN, hugeLibraryExtraMb = NAN;
    double hugeCpuMs = NAN, hugeLibraryCpuMs = NAN, hugeFileMb = NAN;
};

std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

double number(const std::vector<std::string>& words, std::size_t index) {
    return index < words.size() ? std::strtod(words[index].c_str(), nullptr) : NAN;
}

void complain(const std::string& what, const ChildRun& run) {
    std::fprintf(stderr, "bench: %s failed (exit status %d)", what.c_str(), run.exitStatus);
    for (const std::string& line : run.lines) std::fprintf(stderr, "\n  %s", line.c_str());
    std::fprintf(stderr, "\n");
}

class Bench {
public:
    Bench(fs::path programs, fs::path pictures, fs::path largePictures, fs::path hugePicture)
        : programs_(std::move(programs)),
          pictures_(std::move(pictures)),
          largePictures_(std::move(largePictures)),
          hugePicture_(std::move(hugePicture)) {}

    Figures measure() {
        Figures figures;
        measureStartup(figures);
        measurePlayedRuns(figures);
        measurePause(figures);
        measureHugePicture(figures);
        return figures;
    }

    bool failed() const { return failed_; }

private:
    std::string program(const char* name) const { return (programs_ / name).string(); }

    // The program, or with reference set the window with one button, started until it reports
    // its first paint.
    ChildRun firstPaint(bool reference) {
        const ProgramDescription& description = torvamikProgram();
        const RectTwips& button = description.button.rect;
        ChildCommand command;
        if (reference) {
            command.argv = {program("torvamik_bench_button_window")};
            for (const int twipsLength :
                 {description.form.clientWidth, description.form.clientHeight, button.left,
                  button.top, button.width, button.height}) {
                command.argv.push_back(std::to_string(twips::toPixels(twipsLength)));
            }
        } else {
            command.argv = {program("torvamik_bench_program")};
            command.environment = {{"TORVAMIK_BENCH_PROBE", "first-paint"}};
            command.workingDirectory = pictures_.string();
        }
        command.timeoutSeconds = 30;
        return runChild(command);
    }

    // Exec to first paint in milliseconds, NAN if the program did not report it.
    double startupMs(const ChildRun& run, const char* what) {
        const std::vector<std::string> words = findLine(run, "first-paint");
        if (run.exitStatus != 0 || words.empty()) {
            complain(what, run);
            failed_ = true;
            return NAN;
        }
        return (std::strtod(words[0].c_str(), nullptr) - static_cast<double>(run.startNs)) / 1e6;
    }

    void measureStartup(Figures& figures) {
        // One unmeasured run of each first, so both find their libraries in the page cache.
        firstPaint(true);
        firstPaint(false);
        std::vector<double> program, reference, referencePeak, programCpu, referenceCpu;
        for (int i = 0; i < startupRuns; ++i) {
            const ChildRun withButton = firstPaint(true);
            const ChildRun real = firstPaint(false);
            reference.push_back(startupMs(withButton, "window with a button"));
            program.push_back(startupMs(real, "program start-up"));
            referencePeak.push_back(static_cast<double>(withButton.peakResidentKb) / 1024.0);
            programCpu.push_back(real.cpuMs);
            referenceCpu.push_back(withButton.cpuMs);
        }
        figures.startupCpuMs = median(programCpu);
        figures.startupReferenceCpuMs = median(referenceCpu);
        figures.startupMs = median(program);
        figures.startupReferenceMs = median(reference);
        figures.peakReferenceMb = percentile(referencePeak, 100.0);
    }

    // Plays whole quizzes in a picture folder; returns every picture switch in milliseconds and
    // the highest peak resident memory of the runs.
    std::vector<double> play(const fs::path& folder, double& peakMb) {
        std::vector<double> switches;
        peakMb = 0.0;
        for (int i = 0; i < playedRunsPerSet; ++i) {
            ChildCommand command;
            command.argv = {program("torvamik_bench_program"), std::to_string(playClockSpeed)};
            command.environment = {{"TORVAMIK_BENCH_PROBE", "play"}};
            command.workingDirectory = folder.string();
            command.timeoutSeconds = 120;
            const ChildRun run = runChild(command);
            std::size_t count = 0;
            for (const std::string& line : run.lines) {
                if (line.rfind("switch ", 0) == 0) {
                    switches.push_back(std::strtod(line.c_str() + 7, nullptr));
                    ++count;
                }
            }
            if (run.exitStatus != 0 || count != 20) {
                complain("played run in " + folder.string(), run);
                failed_ = true;
            }
            peakMb = std::max(peakMb, static_cast<double>(run.peakResidentKb) / 1024.0);
        }
        if (switches.size() > switchesCounted) switches.resize(switchesCounted);
        return switches;
    }

    void measurePlayedRuns(Figures& figures) {
        double peakMb = 0.0, largePeakMb = 0.0;
        const std::vector<double> switches = play(pictures_, peakMb);
        const std::vector<double> large = play(largePictures_, largePeakMb);
        figures.peakMb = peakMb;
        figures.switchP95 = percentile(switches, 95.0);
        figures.switchMedian = median(switches);
        figures.switchP95Large = percentile(large, 95.0);
        figures.switchMedianLarge = median(large);
    }

    void measurePause(Figures& figures) {
        ChildCommand command;
        command.argv = {program("torvamik_bench_pause"), std::to_string(pausesMeasured)};
        command.timeoutSeconds = 60;
        const ChildRun run = runChild(command);
        const std::vector<std::string> reference = findLine(run, "reference");
        std::vector<double> lengths, cpu;
        for (const std::string& line : run.lines) {
            double wall = 0.0, seconds = 0.0;
            if (std::sscanf(line.c_str(), "pause %lf %lf", &wall, &seconds) == 2) {
                lengths.push_back(wall);
                cpu.push_back(seconds);
            }
        }
        if (run.exitStatus != 0 || reference.size() != 2 || lengths.size() != pausesMeasured) {
            complain("pause", run);
            failed_ = true;
            return;
        }
        figures.pauseReferenceCpu = number(reference, 1);
        figures.pauseCpu = percentile(cpu, 100.0);
        figures.pauseMin = percentile(lengths, 0.0001);
        figures.pauseMax = percentile(lengths, 100.0);
    }

    // One huge picture shown by the program or decoded by the library; its milliseconds, extra
    // megabytes and processor milliseconds, or nothing if the run failed.
    std::vector<std::string> huge(const char* mode) {
        ChildCommand command;
        command.argv = {program("torvamik_bench_huge_picture"), mode,
                        hugePicture_.parent_path().string(), hugePicture_.filename().string()};
        command.timeoutSeconds = 120;
        const ChildRun run = runChild(command);
        std::vector<std::string> words = findLine(run, "huge");
        if (run.exitStatus != 0 || words.size() != 3) {
            complain(std::string("huge picture (") + mode + ")", run);
            failed_ = true;
            return {};
        }
        return words;
    }

    void measureHugePicture(Figures& figures) {
        std::error_code error;
        figures.hugeFileMb =
            static_cast<double>(fs::file_size(hugePicture_, error)) / (1024.0 * 1024.0);
        // One unmeasured run of each first, so both read the file from the page cache.
        if (huge("program").empty() || huge("library").empty()) return;
        std::vector<double> ms, extraMb, cpuMs, libraryMs, libraryExtraMb, libraryCpuMs;
        for (int i = 0; i < hugeShows; ++i) {
            const std::vector<std::string> shown = huge("program");
            const std::vector<std::string> decoded = huge("library");
            if (shown.empty() || decoded.empty()) return;
            ms.push_back(number(shown, 0));
            extraMb.push_back(number(shown, 1));
            cpuMs.push_back(number(shown, 2));
            libraryMs.push_back(number(decoded, 0));
            libraryExtraMb.push_back(number(decoded, 1));
            libraryCpuMs.push_back(number(decoded, 2));
        }
        figures.hugeMs = median(ms);
        figures.hugeExtraMb = percentile(extraMb, 100.0);
        figures.hugeLibraryMs = median(libraryMs);
        figures.hugeLibraryExtraMb = percentile(libraryExtraMb, 100.0);
        figures.hugeCpuMs = median(cpuMs);
        figures.hugeLibraryCpuMs = median(libraryCpuMs);
    }

    fs::path programs_, pictures_, largePictures_, hugePicture_;
    bool failed_ = false;
};

std::string verdict(bool met) {
    return met ? "yes" : "NO";
}

void printTable(const Figures& f) {
    const double startupRatio = f.startupMs / f.startupReferenceMs;
    const double extraMb = f.peakMb - f.peakReferenceMb;
    const double cpuRatio = f.pauseCpu / f.pauseReferenceCpu;
    const double hugeRatio = f.hugeMs / f.hugeLibraryMs;
    const char* row = "%-44s %18s %30s %16s %-16s %s\n";
    auto text = [](const char* format, auto... values) {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, format, values...);
        return std::string(buffer);
    };
    std::printf(row, "figure", "program", "reference (same run)", "result", "target", "met");
    std::printf(
        row, "start-up, exec to first paint, median of 20", text("%.1f ms", f.startupMs).c_str(),
        text("window+button %.1f ms", f.startupReferenceMs).c_str(),
        text("%.3fx", startupRatio).c_str(), "<= 1.05x", verdict(startupRatio <= 1.05).c_str());
    std::printf(row, "peak resident memory, whole run", text("%.1f MB", f.peakMb).c_str(),
                text("window+button %.1f MB", f.peakReferenceMb).c_str(),
                text("%+.1f MB", extraMb).c_str(), "<= +5.0 MB", verdict(extraMb <= 5.0).c_str());
    std::printf(row, "CPU time over a 5 s pause (worst of 3)", text("%.4f s", f.pauseCpu).c_str(),
                text("processEvents loop %.3f s", f.pauseReferenceCpu).c_str(),
                text("%.3f %%", cpuRatio * 100.0).c_str(), "<= 1 %",
                verdict(cpuRatio <= 0.01).c_str());
    std::printf(row, "length of a 5 s pause (3 pauses)",
                text("%.4f-%.4f s", f.pauseMin, f.pauseMax).c_str(), "5.000 s",
                text("+%.1f ms", (f.pauseMax - 5.0) * 1000.0).c_str(), "5.000-5.010 s",
                verdict(f.pauseMin >= 5.0 && f.pauseMax <= 5.010).c_str());
    std::printf(row, "picture switch p95, default pictures (50)",
                text("%.2f ms", f.switchP95).c_str(), text("one frame %.1f ms", frameMs).c_str(),
                text("median %.2f ms", f.switchMedian).c_str(), "<= 16.7 ms",
                verdict(f.switchP95 <= frameMs).c_str());
    std::printf(row, "picture switch p95, 6000x4000 JPEGs (50)",
                text("%.2f ms", f.switchP95Large).c_str(),
                text("one frame %.1f ms", frameMs).c_str(),
                text("median %.2f ms", f.switchMedianLarge).c_str(), "<= 16.7 ms",
                verdict(f.switchP95Large <= frameMs).c_str());
    std::printf(
        row, "20000x20000 JPEG shown (median of 5)",
        text("%.0f ms, %+.1f MB", f.hugeMs, f.hugeExtraMb).c_str(),
        text("libjpeg 1/8 %.0f ms, %+.1f MB", f.hugeLibraryMs, f.hugeLibraryExtraMb).c_str(),
        text("%.3fx time", hugeRatio).c_str(), "<= 1.1x, +50 MB",
        verdict(hugeRatio <= 1.1 && f.hugeExtraMb <= 50.0).c_str());
    std::printf(
        "note: processor time to first paint (median of 20): program %.0f ms, window+button %.0f "
        "ms (%.3fx)\n",
        f.startupCpuMs, f.startupReferenceCpuMs, f.startupCpuMs / f.startupReferenceCpuMs);
    std::printf(
        "note: the 20000x20000 file holds %.1f MB; processor time %.0f ms shown, %.0f ms by "
        "libjpeg (%.3fx)\n",
        f.hugeFileMb, f.hugeCpuMs, f.hugeLibraryCpuMs, f.hugeCpuMs / f.hugeLibraryCpuMs);
}

std::string json(double value, const char* format) {
    if (std::isnan(value)) return "null";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

void printJson(const Figures& f) {
    std::printf(
        "{\"startup_ratio\": %s, \"rss_extra_mb\": %s, \"pause_cpu_ratio\": %s, "
        "\"pause_seconds_min\": %s, \"pause_seconds_max\": %s, \"switch_p95_ms\": %s, "
        "\"switch_p95_ms_large\": %s, \"huge_ms\": %s, \"huge_extra_mb\": %s, "
        "\"huge_library_ms\": %s}\n",
        json(f.startupMs / f.startupReferenceMs, "%.3f").c_str(),
        json(f.peakMb - f.peakReferenceMb, "%.2f").c_str(),
        json(f.pauseCpu / f.pauseReferenceCpu, "%.5f").c_str(), json(f.pauseMin, "%.4f").c_str(),
        json(f.pauseMax, "%.4f").c_str(), json(f.switchP95, "%.2f").c_str(),
        json(f.switchP95Large, "%.2f").c_str(), json(f.hugeMs, "%.1f").c_str(),
        json(f.hugeExtraMb, "%.2f").c_str(), json(f.hugeLibraryMs, "%.1f").c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PICTURE_FOLDER LARGE_PICTURE_FOLDER HUGE_PICTURE_FILE\n",
                     argv[0]);
        return 2;
    }
    const fs::path programs = fs::read_symlink("/proc/self/exe").parent_path();
    for (int i = 1; i < 4; ++i) {
        if (!fs::exists(argv[i])) {
            std::fprintf(stderr, "bench: %s does not exist\n", argv[i]);
            return 2;
        }
    }
    std::printf("machine: %ld cores, load average %s (1, 5, 15 min) at the start\n",
                sysconf(_SC_NPROCESSORS_ONLN), loadAverage().c_str());
    std::fflush(stdout);
    // Without a session bus, Qt's accessibility bridge has D-Bus launch one; the program stops
    // that for itself, and the references must not pay for it either.
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
    Bench bench(programs, fs::absolute(argv[1]), fs::absolute(argv[2]), fs::absolute(argv[3]));
    const Figures figures = bench.measure();
    std::printf("machine: load average %s at the end\n", loadAverage().c_str());
    printTable(figures);
    printJson(figures);
    return bench.failed() ? 1 : 0;
}
