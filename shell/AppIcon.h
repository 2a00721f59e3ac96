#pragma once

#include <QIcon>

// The program's own icon, drawn in code so the tray always has one.
QIcon AppIcon();
