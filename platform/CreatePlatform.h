#pragma once

#include <memory>

#include "platform/Platform.h"

namespace platform {

// The back end of the operating system the program was built for.
std::unique_ptr<Platform> CreatePlatform();

}  // namespace platform
