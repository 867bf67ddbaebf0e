// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// One huge JPEG, shown or decoded once. "program" shows it through the program's port in the real
// window; "library" decodes it with libjpeg-turbo's own 1/8 scaling into a 32-bit picture, the
// least any program reading the file with that library can do. Writes "huge MILLISECONDS
// EXTRA_RESIDENT_MEGABYTES CPU_MILLISECONDS", the extra being the peak resident memory during the
// work above what was resident before it.
// Usage: torvamik_bench_huge_picture program|library FOLDER FILE
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

// libjpeg's header uses FILE and size_t without declaring them.
#include <jpeglib.h>

#include "Form1.h"
#include "MainWindow.h"
#include "Monotonic.h"
#include "ProcessMemory.h"
#include "QtProgram.h"
#include "QtUiPort.h"
#include "RunTimeError.h"

namespace {

template <typename Work>
int measure(Work work) {
    resetResidentPeak();
    const long before = residentKilobytes("VmRSS");
    const double startCpu = processCpuSeconds();
    const long long start = monotonicNanoseconds();
    if (!work()) return 1;
    const long long end = monotonicNanoseconds();
    const double cpuMs = (processCpuSeconds() - startCpu) * 1000.0;
    const long peak = residentKilobytes("VmHWM");
    std::printf("huge %.3f %.3f %.3f\n", static_cast<double>(end - start) / 1e6,
                static_cast<double>(peak - before) / 1024.0, cpuMs);
    std::fflush(stdout);
    return 0;
}

int showInProgram(const char* file) {
    int qtArgc = 1;
    char name[] = "torvamik";
    char* qtArgv[] = {name, nullptr};
    QApplication application(qtArgc, qtArgv);
    QtProgram program(torvamikProgram());
    program.window().show();
    // Lets the window map and paint before anything is measured.
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    return measure([&] {
        try {
            program.port().showPicture(file);
            return true;
        } catch (const RunTimeError& error) {
            std::fprintf(stderr, "%s\n", error.report().c_str());
            return false;
        }
    });
}

// A damaged file is the bench's own fault: say so and stop.
[[noreturn]] void libraryFailed(j_common_ptr info) {
    (*info->err->output_message)(info);
    std::exit(1);
}

bool decodeWithLibrary(const char* file) {
    FILE* in = std::fopen(file, "rb");
    if (in == nullptr) {
        std::perror(file);
        return false;
    }
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = libraryFailed;
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, in);
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = 8;
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    const std::size_t rowBytes = std::size_t{info.output_width} * 4;
    const auto pixels = std::make_unique_for_overwrite<JSAMPLE[]>(rowBytes * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.get() + rowBytes * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(in);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool program = argc == 4 && std::strcmp(argv[1], "program") == 0;
    const bool library = argc == 4 && std::strcmp(argv[1], "library") == 0;
    if ((!program && !library) || chdir(argv[2]) != 0) {
        std::fprintf(stderr, "usage: %s program|library FOLDER FILE\n", argv[0]);
        return 2;
    }
    if (program) return showInProgram(argv[3]);
    return measure([&] { return decodeWithLibrary(argv[3]); });
}
