// Printing the DVD cover from a 24-megapixel JPEG: the handler's whole work from the path to a finished
// PDF file (decode, quarter turn, page), beside BM_FullDecode_24MP. Also reports the peak resident memory
// of one such print, measured from a reset high-water mark.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "editor/Main.h"
#include "framework/printer_page.h"
#include "framework/services.h"
#include "photo_fixture.h"

namespace {

// Resets the process's resident-memory high-water mark (VmHWM); false where the kernel does not allow it.
bool ResetPeakResident() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    return bool(clear.flush());
}

// VmHWM in megabytes.
double PeakResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kb = 0;
            status >> kb;
            return kb / 1024;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

void BM_PrintDvd_24MP(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string pdf = dir.filePath("dvd.pdf").toStdString();
    std::string failure;
    Services().printDialog = [&](const Ref<PrinterSetup>&) { return NewPdfPage(pdf); };
    Services().reportFailure = [&](const std::string& message) { failure = message; };
    Ref<Main> main = Main::Instance();
    main->filenaamDVD = Photo24MP();
    auto print = [&] { main->Control<PushButton>("btnPrintDvd")->Push(); };

    // One print measured for memory, before the timed ones.
    const bool resetWorks = ResetPeakResident();
    print();
    if (resetWorks) state.counters["peak_MB"] = PeakResidentMb();
    for (auto _ : state) print();
    if (!failure.empty()) state.SkipWithError(failure.c_str());
    state.counters["pdf_MB"] = double(QFile(QString::fromStdString(pdf)).size()) / (1 << 20);
    main->Close();
    RestoreRealServices();
}
BENCHMARK(BM_PrintDvd_24MP)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
