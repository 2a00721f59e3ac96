#pragma once

#include "platform/Platform.h"
#include "shell/Clock.h"

// Runs the program and gives its exit code: 0 on a normal end or a refused second start, 1
// after an error escaped start-up (shown in the error box first).
int RunProgram(platform::Platform& platform, const Clock& clock);
