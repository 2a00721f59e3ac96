#pragma once

#include "platform/Platform.h"

namespace platform {

class WindowsPlatform : public Platform {
public:
    std::string executablePath() const override;
    std::unique_ptr<InstanceLock> acquireInstanceLock(const std::string& name) override;
    RegionalFormats regionalFormats() const override;
    TDateTime localNow() const override;
    std::string pathSeparators() const override { return "\\:"; }
    bool replaceFile(const std::string& path, const std::string& bytes,
                     std::string& reason) override;
    std::string executableFilter() const override { return "Executáveis (*.exe)"; }
    std::optional<std::vector<std::string>> processNames() override;
    OpenResult open(const std::string& path, const std::string& folder) override;
    bool playAlarm(const std::string& wavPath) override;
};

// A Windows date or time pattern ("dd/MM/yyyy", "HH:mm:ss", "h:mm:ss tt") in the program's
// own syntax.
std::string PatternFromWindows(const std::string& windowsPattern);

}  // namespace platform
