// A real program of ours, listed in a real setup.ini, started and then found running.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "platform/posix/PosixPlatform.h"
#include "support/PlatformInFolder.h"
#include "support/TempFolder.h"
#include "watchdog/ProcessCheck.h"

namespace {

bool Contains(const std::vector<std::string>& lines, const std::string& start) {
    for (const auto& line : lines)
        if (line.rfind(start, 0) == 0) return true;
    return false;
}

bool Running(platform::Platform& platform, const std::string& name) {
    const auto names = platform.processNames();
    return names && std::find(names->begin(), names->end(), name) != names->end();
}

// Asks the helper program in `folder` to end, and waits until it has.
struct StopAtEnd {
    TempFolder& folder;
    platform::Platform& platform;
    std::string name;
    ~StopAtEnd();
};

template <class Condition>
bool WaitFor(Condition condition) {
    for (int i = 0; i < 500 && !condition(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return condition();
}

StopAtEnd::~StopAtEnd() {
    folder.write("stop", "");
    EXPECT_TRUE(WaitFor([&] { return !Running(platform, name); })) << name << " did not end";
}

TEST(WatchdogEndToEnd, StartsAListedProgramOnceAndLogsAMissingOne) {
    TempFolder folder;
    const std::string name = "slp" + std::to_string(std::random_device()() % 1000000);
    const std::string program = folder.file(name);
    std::filesystem::copy_file(TRESMON_SLEEPER, program);
    folder.write("setup.ini",
                 "[EXECUTAVEL]\r\nCAMINHOS=" + program + "|" + folder.file("sumiu") + "\r\n");
    PlatformInFolder platform(folder.path());
    MockClock clock(EncodeDate(2024, 12, 9) + EncodeTime(14, 30, 5, 0));
    ProcessCheck check(platform, clock);
    StopAtEnd stop{folder, platform, name};

    const auto first = check.ProgramaAberto();
    ASSERT_EQ(first.size(), 2u);
    EXPECT_TRUE(Contains(first, name + " foi aberto ")) << first[0];
    EXPECT_TRUE(Contains(first, "sumiu não pôde ser aberto ")) << first[1];
    EXPECT_NE(first[1].find("(arquivo não encontrado)"), std::string::npos);

    ASSERT_TRUE(
        WaitFor([&] { return folder.exists("cwd.txt") && !folder.read("cwd.txt").empty(); }));
    EXPECT_EQ(std::filesystem::canonical(folder.read("cwd.txt")),
              std::filesystem::canonical(folder.path()));

    const auto second = check.ProgramaAberto();
    EXPECT_FALSE(Contains(second, name)) << "started a second copy";
    EXPECT_TRUE(Contains(second, "sumiu não pôde ser aberto "));
}

TEST(WatchdogEndToEnd, AScriptCountsUnderItsOwnName) {
    TempFolder folder;
    const std::string name = "scr" + std::to_string(std::random_device()() % 1000000) + ".sh";
    folder.write(name,
                 "#!/bin/sh\npwd > cwd.txt\n"
                 "n=0; while [ ! -f stop ] && [ $n -lt 1200 ]; do sleep 0.05; n=$((n+1)); done\n");
    std::filesystem::permissions(folder.file(name), std::filesystem::perms::owner_all);
    folder.write("setup.ini", "[EXECUTAVEL]\r\nCAMINHOS=" + folder.file(name) + "\r\n");
    PlatformInFolder platform(folder.path());
    MockClock clock(EncodeDate(2024, 12, 9));
    ProcessCheck check(platform, clock);
    StopAtEnd stop{folder, platform, name};

    EXPECT_TRUE(Contains(check.ProgramaAberto(), name + " foi aberto "));
    ASSERT_TRUE(
        WaitFor([&] { return folder.exists("cwd.txt") && !folder.read("cwd.txt").empty(); }));
    EXPECT_TRUE(check.ProgramaAberto().empty()) << "the running script was not recognised";
}

TEST(PosixProcesses, SnapshotHoldsThisTest) {
    platform::PosixPlatform posix;
    const auto names = posix.processNames();
    ASSERT_TRUE(names.has_value());
    EXPECT_NE(std::find(names->begin(), names->end(), "test_watchdog_end_to_end"), names->end());
}

}  // namespace
