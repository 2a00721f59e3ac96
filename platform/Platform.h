#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/DateTime.h"

namespace platform {

// The user's regional date and time patterns, in the program's own pattern syntax.
struct RegionalFormats {
    std::string shortDate = "dd/mm/yyyy";
    std::string longTime = "hh:nn:ss";
    char dateSeparator = '/';
    char timeSeparator = ':';
};

// Formats from patterns written with their separators ("dd.mm.yyyy", "hh:nn:ss"): the first
// character that is no pattern letter is the separator, which becomes "/" or ":".
RegionalFormats RegionalFormatsFrom(std::string shortDate, std::string longTime);

// Held for as long as this instance owns the single-instance marker.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
};

// What became of a request to open a file.
struct OpenResult {
    bool ok = true;
    std::string reason;  // in Portuguese, for the log, when !ok
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

    // The file-open dialog's filter for programs, e.g. "Executáveis (*.exe)".
    virtual std::string executableFilter() const = 0;

    // Executable file names of all running processes, or nothing when they cannot be read.
    virtual std::optional<std::vector<std::string>> processNames() = 0;

    // Replaces the file at `path` with `bytes` so that a crash at any moment leaves either the
    // old file or the new one: a temporary file beside it, flushed to disk, renamed over it.
    // Returns false, with the reason, when that fails; the old file is then untouched.
    virtual bool replaceFile(const std::string& path, const std::string& bytes,
                             std::string& reason) = 0;

    // Plays a sound file four times, one second apart, each start cutting off the one before,
    // without blocking the caller. False when this back end leaves sound to the toolkit.
    virtual bool playAlarm(const std::string& /*wavPath*/) { return false; }

    // Opens a file the way the desktop shell does (an executable is started), detached from
    // this process, with `folder` as working directory.
    virtual OpenResult open(const std::string& path, const std::string& folder) = 0;
};

}  // namespace platform
