// A stand-in for a monitored program: notes its working directory, then waits for a "stop"
// file beside it (or a minute) and ends.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

int main() {
    namespace fs = std::filesystem;
    std::ofstream(fs::current_path() / "cwd.txt") << fs::current_path().string();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!fs::exists(fs::current_path() / "stop") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return 0;
}
