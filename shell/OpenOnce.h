#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <memory>

#include "shell/ModalWindows.h"

// Opens an editor window modally through its global: builds it, prepares it, shows it centred
// and frees it when it closes, the global cleared first. While one is open, a second request
// only brings it to the front: it is never built twice, reloaded or freed under its own loop.
template <class Form, class Make>
void OpenOnce(Form*& global, Make make) {
    if (global != nullptr) {
        global->raise();
        global->activateWindow();
        return;
    }
    std::unique_ptr<Form> form(make());
    global = form.get();
    struct ClearGlobal {
        Form*& global;
        ~ClearGlobal() { global = nullptr; }
    } clearFirst{global};
    // Over the window it was opened from; the unique_ptr frees it first, so the parent never does.
    form->setParent(ModalParent(), form->windowFlags());
    form->Preparar();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form->move(screen->availableGeometry().center() - form->rect().center());
    form->setWindowModality(Qt::WindowModal);
    form->exec();
}
