// Exit code 0 when this process could take the single-instance marker, 1 when it is taken.
#include "platform/CreatePlatform.h"

int main() {
    auto platform = platform::CreatePlatform();
    return platform->acquireInstanceLock("TFrmGerenciadorExecutaveis") ? 0 : 1;
}
