#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/Platform.h"

namespace platform {

// A back end that touches nothing: tests set what it answers.
class FakePlatform : public Platform {
public:
    std::string executablePath() const override { return exePath; }
    std::unique_ptr<InstanceLock> acquireInstanceLock(const std::string& name) override;
    RegionalFormats regionalFormats() const override { return formats; }
    TDateTime localNow() const override { return now; }
    std::string pathSeparators() const override { return separators; }
    std::string executableFilter() const override { return "Executáveis (*)"; }
    std::optional<std::vector<std::string>> processNames() override;
    OpenResult open(const std::string& path, const std::string& folder) override;
    bool replaceFile(const std::string& path, const std::string& bytes,
                     std::string& reason) override;

    bool lockHeld(const std::string& name) const { return heldLocks_->count(name) > 0; }

    std::string exePath = "/opt/tresmon/tresmon";
    RegionalFormats formats;
    TDateTime now = 0;
    std::string separators = "/";

    // Process list: nothing means the snapshot fails. A started path shows in later snapshots
    // when `startedProcessesShow` is set.
    std::optional<std::vector<std::string>> processes = std::vector<std::string>{};
    bool startedProcessesShow = false;
    int snapshots = 0;
    struct OpenCall {
        std::string path;
        std::string folder;
    };
    std::vector<OpenCall> opened;
    std::set<std::string> failingPaths;
    bool failReplaceFile = false;  // replaceFile() fails and leaves the file alone
    int filesReplaced = 0;         // open() of these fails with "arquivo não encontrado"

private:
    std::shared_ptr<std::set<std::string>> heldLocks_ = std::make_shared<std::set<std::string>>();
};

}  // namespace platform
