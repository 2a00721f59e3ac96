#pragma once

class QDialog;
class QWidget;

// Our modal windows are modal to the window they open over, not to the whole application:
// the tray icon is a window of its own, and an application-modal box would block its clicks.
// Chained this way, each box still blocks every window under it.

// The tray window registers itself as the bottom of the chain; null takes it back.
void SetModalRoot(QWidget* root);
// The window a new modal window opens over: the topmost open modal window, else the root.
QWidget* ModalParent();
// Parents `dialog` over ModalParent() unless it has a parent, makes it window-modal and runs it.
int ExecModal(QDialog& dialog);
