#pragma once

#include <string>

#include "platform/posix/PosixPlatform.h"

// The real back end, as if the program's executable stood in `folder`.
class PlatformInFolder : public platform::PosixPlatform {
public:
    explicit PlatformInFolder(std::string folder) : folder_(std::move(folder)) {}
    std::string executablePath() const override { return folder_ + "/tresmon"; }

private:
    std::string folder_;
};
