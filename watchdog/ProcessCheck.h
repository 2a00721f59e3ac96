#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "platform/Platform.h"
#include "shell/Clock.h"

// The watchdog's pass: every listed executable that is not running is started.
class ProcessCheck {
public:
    ProcessCheck(platform::Platform& platform, const Clock& clock)
        : platform_(platform), clock_(clock) {}

    // One pass over the stored list; returns the log lines it produced. One process snapshot
    // at most, none for an empty list; a program is requested at most once per pass.
    std::vector<std::string> ProgramaAberto();

    // True when a process of `snapshot` has the file name `pExecutavel` (letters a to z in any
    // case; the folder of the process's name is ignored).
    bool ListProcess(const std::vector<std::string>& snapshot,
                     const std::string& pExecutavel) const;
    // The same test against the names of RunningNames(snapshot).
    static bool ListProcess(const std::unordered_set<std::string>& running,
                            const std::string& pExecutavel);
    // Every process's name and its file name, upper-cased: built once per pass.
    std::unordered_set<std::string> RunningNames(const std::vector<std::string>& snapshot) const;

private:
    platform::Platform& platform_;
    const Clock& clock_;
    bool running_ = false;
};

// A stored element as it is compared and started: without surrounding blanks and one
// enclosing pair of double quotes.
std::string CleanListedPath(const std::string& element);
