// A wake-up table of 20,000 calls: load of despertar.xml, SalvarDados (atomic, flushed), and
// one run of the due-call check with nothing due.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "Median.h"
#include "shell/FileIO.h"
#include "support/PlatformInFolder.h"
#include "wakeup/DueCallCheck.h"
#include "wakeup/WakeupTable.h"

namespace {

class SilentUi : public AlertUi {
public:
    void MsgAtencao(const std::string&, const std::string&) override { ++alerts; }
    void ShowError(const std::string&) override {}
    void PlayAlarm(const std::string&) override {}
    int alerts = 0;
};

}  // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "tresmon-bench-wakeup";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    PlatformInFolder platform(folder.string());

    std::unique_ptr<TClientDataSet> cds;
    CriarCDSDespertador(cds, platform);
    constexpr int kCalls = 20000;
    for (int i = 0; i < kCalls; ++i) {
        cds->Insert();
        cds->FieldByName("DesCodigo").SetAsInteger(i + 1);
        cds->FieldByName("DesData").SetAsDateTime(EncodeDate(2025, 1, 1) + i % 365);
        cds->FieldByName("DesHora").SetAsDateTime(EncodeTime(i % 24, (i * 7) % 60, 0, 0));
        cds->FieldByName("DesApto").SetAsString(std::to_string(100 + i % 400));
        cds->FieldByName("DesPlaca")
            .SetAsString(i % 3 ? "ABC" + std::to_string(1000 + i % 9000) : "");
        cds->FieldByName("DesObs").SetAsString(i % 2 ? "Café da manhã às 7h & jornal" : "");
        cds->FieldByName("DesStatus").SetAsInteger(i % 5 == 0);
        cds->Post();
    }
    SalvarDados(*cds, platform);
    const auto size = std::filesystem::file_size(WakeupFilePath(platform));

    constexpr int kRuns = 21;
    const double load = MedianMilliseconds(kRuns, [&] {
        std::unique_ptr<TClientDataSet> loaded;
        CriarCDSDespertador(loaded, platform);
    });
    const double save = MedianMilliseconds(kRuns, [&] { SalvarDados(*cds, platform); });

    // The real clock; nothing is due, as the run started after every call in the table.
    const PlatformClock clock(platform);
    SilentUi ui;
    DueCallCheck check(platform, clock, ui, clock.Now());
    // On the table as a start-up leaves it: loaded from the file.
    std::unique_ptr<TClientDataSet> loaded;
    CriarCDSDespertador(loaded, platform);
    const double verify = MedianMilliseconds(kRuns, [&] { check.VerificarDespertador(*loaded); });

    std::printf("calls: %d, despertar.xml: %.1f MB\n", kCalls, size / 1e6);
    std::printf("load (CriarCDSDespertador), median: %.2f ms\n", load);
    std::printf("save (SalvarDados, flushed and renamed), median: %.2f ms\n", save);
    std::printf("due-call check with nothing due, median: %.3f ms (alerts: %d)\n", verify,
                ui.alerts);
    std::filesystem::remove_all(folder);
    return 0;
}
