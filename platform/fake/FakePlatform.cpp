#include "platform/fake/FakePlatform.h"

#include <fstream>

namespace platform {

namespace {

class FakeLock : public InstanceLock {
public:
    FakeLock(std::shared_ptr<std::set<std::string>> held, std::string name)
        : held_(std::move(held)), name_(std::move(name)) {}
    ~FakeLock() override { held_->erase(name_); }

private:
    std::shared_ptr<std::set<std::string>> held_;
    std::string name_;
};

}  // namespace

std::unique_ptr<InstanceLock> FakePlatform::acquireInstanceLock(const std::string& name) {
    if (!heldLocks_->insert(name).second) return nullptr;
    return std::make_unique<FakeLock>(heldLocks_, name);
}

std::optional<std::vector<std::string>> FakePlatform::processNames() {
    ++snapshots;
    return processes;
}

OpenResult FakePlatform::open(const std::string& path, const std::string& folder) {
    opened.push_back({path, folder});
    if (failingPaths.count(path)) return {false, "arquivo não encontrado"};
    if (startedProcessesShow && processes) processes->push_back(path);
    return {};
}

// Writes for real (tests read the files back), but without the flush to disk.
bool FakePlatform::replaceFile(const std::string& path, const std::string& bytes,
                               std::string& reason) {
    if (failReplaceFile) {
        reason = "falha simulada";
        return false;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) {
        reason = "não foi possível gravar";
        return false;
    }
    ++filesReplaced;
    return true;
}

}  // namespace platform
