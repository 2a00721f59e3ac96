#pragma once

#include <memory>
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

    bool lockHeld(const std::string& name) const { return heldLocks_->count(name) > 0; }

    std::string exePath = "/opt/tresmon/tresmon";
    RegionalFormats formats;
    TDateTime now = 0;
    std::string separators = "/";

private:
    std::shared_ptr<std::set<std::string>> heldLocks_ = std::make_shared<std::set<std::string>>();
};

}  // namespace platform
