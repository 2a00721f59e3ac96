// One watchdog pass with 20, then 2,000 listed executables against this machine's real process
// list, next to one bare scan of the process list. Starts are counted, not made.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "Median.h"
#include "platform/posix/PosixPlatform.h"
#include "watchdog/ProcessCheck.h"

namespace {

class CountingPlatform : public platform::PosixPlatform {
public:
    explicit CountingPlatform(std::string folder) : folder_(std::move(folder)) {}
    std::string executablePath() const override { return folder_ + "/tresmon"; }
    std::optional<std::vector<std::string>> processNames() override {
        ++snapshots;
        return PosixPlatform::processNames();
    }
    platform::OpenResult open(const std::string&, const std::string&) override {
        ++starts;
        return {};
    }
    int snapshots = 0;
    int starts = 0;

private:
    std::string folder_;
};

// One pass over `count` listed programs. `cycle`: the running programs are listed again and
// again (in other folders), so every one is found, as in a desk's steady state; otherwise
// each is listed once and the rest are missing, so every pass asks to start them.
void Measure(CountingPlatform& platform, const std::filesystem::path& folder, int count,
             bool cycle) {
    const auto running = platform.processNames().value_or(std::vector<std::string>{});
    std::set<std::string> distinct(running.begin(), running.end());
    std::string value;
    auto it = distinct.begin();
    for (int listed = 0; listed < count; ++listed) {
        if (cycle && it == distinct.end()) it = distinct.begin();
        const std::string name = it != distinct.end() ? *it++ : "ausente" + std::to_string(listed);
        if (listed > 0) value += '|';
        value += "/opt/monitorados/" + std::to_string(listed % 50) + "/";
        value += name;
    }
    std::ofstream(folder / "setup.ini") << "[EXECUTAVEL]\r\nCAMINHOS=" << value << "\r\n";

    MockClock clock(45000);
    ProcessCheck check(platform, clock);
    const int runs = count > 100 ? 50 : 200;
    platform.snapshots = 0;
    const double scan = 1000 * MedianMilliseconds(runs, [&] { platform.processNames(); });
    platform.snapshots = 0;
    platform.starts = 0;
    const double pass = 1000 * MedianMilliseconds(runs, [&] { check.ProgramaAberto(); });

    std::printf("listed executables: %d (%d of them not running)\n", count, platform.starts / runs);
    std::printf("  bare process-list scan, median: %.0f us\n", scan);
    std::printf("  one pass, median: %.0f us (%.2f x the bare scan)\n", pass, pass / scan);
    std::printf("  process snapshots per pass: %.2f\n", double(platform.snapshots) / runs);
}

}  // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "tresmon-bench-watchdog";
    std::filesystem::create_directories(folder);
    CountingPlatform platform(folder.string());
    std::printf("processes on this machine: %zu\n",
                platform.processNames().value_or(std::vector<std::string>{}).size());
    Measure(platform, folder, 20, false);
    Measure(platform, folder, 2000, true);
    Measure(platform, folder, 2000, false);
    std::filesystem::remove_all(folder);
    return 0;
}
