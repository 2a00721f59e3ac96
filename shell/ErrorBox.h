#pragma once

#include <exception>
#include <string>

// The program's error box: the error's text with a full stop, an error icon, OK, and the
// application's title as caption. Modal for the whole application.
void ShowErrorBox(const std::string& texto);

// Qt lets no exception cross its event loop: every handler's body runs in here, so an error
// is reported and the loop goes on.
template <class Body>
void RunGuarded(Body&& body) {
    try {
        body();
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    } catch (...) {
        ShowErrorBox("Erro desconhecido");
    }
}
