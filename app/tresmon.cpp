#include <QApplication>

#include "platform/CreatePlatform.h"
#include "shell/Clock.h"
#include "shell/Program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto platform = platform::CreatePlatform();
    const PlatformClock clock(*platform);
    return RunProgram(*platform, clock);
}
