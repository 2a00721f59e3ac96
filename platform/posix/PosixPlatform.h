#pragma once

#include "platform/Platform.h"

namespace platform {

class PosixPlatform : public Platform {
public:
    std::string executablePath() const override;
    std::unique_ptr<InstanceLock> acquireInstanceLock(const std::string& name) override;
    RegionalFormats regionalFormats() const override;
    TDateTime localNow() const override;
    std::string pathSeparators() const override { return "/"; }
    std::string executableFilter() const override { return "Executáveis (*)"; }
    std::optional<std::vector<std::string>> processNames() override;
    OpenResult open(const std::string& path, const std::string& folder) override;
    bool replaceFile(const std::string& path, const std::string& bytes,
                     std::string& reason) override;
};

// Turns a strftime pattern (as the C library gives for the locale) into the program's syntax.
std::string PatternFromStrftime(const std::string& strftimePattern);

}  // namespace platform
