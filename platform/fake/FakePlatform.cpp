#include "platform/fake/FakePlatform.h"

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

}  // namespace platform
