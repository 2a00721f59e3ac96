#include "platform/CreatePlatform.h"

#include "platform/posix/PosixPlatform.h"

std::unique_ptr<platform::Platform> platform::CreatePlatform() {
    return std::make_unique<PosixPlatform>();
}
