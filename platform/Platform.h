#pragma once

#include <memory>
#include <string>

#include "shell/DateTime.h"

namespace platform {

// The user's regional date and time patterns, in the program's own pattern syntax.
struct RegionalFormats {
    std::string shortDate = "dd/mm/yyyy";
    std::string longTime = "hh:nn:ss";
    char dateSeparator = '/';
    char timeSeparator = ':';
};

// Held for as long as this instance owns the single-instance marker.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
};

// Every operating-system call of the program goes through this interface.
class Platform {
public:
    virtual ~Platform() = default;

    // Full path of the running executable.
    virtual std::string executablePath() const = 0;

    // Takes the marker named `name` for the current user and desktop session. Returns null
    // when another live instance holds it. Atomic, and a marker of a dead process never blocks.
    virtual std::unique_ptr<InstanceLock> acquireInstanceLock(const std::string& name) = 0;

    virtual RegionalFormats regionalFormats() const = 0;

    // The wall clock, in local time.
    virtual TDateTime localNow() const = 0;

    // Path separators of the platform: the last one splits a path into folder and file name.
    virtual std::string pathSeparators() const = 0;
};

}  // namespace platform
