#pragma once

#include <string>

#include "platform/Platform.h"
#include "shell/Clock.h"
#include "wakeup/ClientDataSet.h"

// What the due-call check needs from the user interface.
class AlertUi {
public:
    virtual ~AlertUi() = default;
    // The application-modal warning box; returns when it is closed.
    virtual void MsgAtencao(const std::string& pTexto, const std::string& pTitulo) = 0;
    // The program's error box.
    virtual void ShowError(const std::string& message) = 0;
    // Four starts of the sound one second apart, each cutting off the one before; returns at
    // once. A sound that cannot be played is silently skipped.
    virtual void PlayAlarm(const std::string& wavPath) = 0;
};

// The 12-second check: every pending call that has fallen due since this run started is set
// to given (and saved), rings, and shows its warning box.
class DueCallCheck {
public:
    // `startMoment`: when this run of the program started; older calls are left alone.
    DueCallCheck(platform::Platform& platform, const Clock& clock, AlertUi& ui,
                 TDateTime startMoment);

    void VerificarDespertador(TClientDataSet& cdsDespertador);
    // Sets the current record's status to given.
    void AlterarStatusDespertador(TClientDataSet& cdsDespertador, int pDesCodigo);
    void SomDespertador();

    static std::string RetornarTexto(const std::string& pData, const std::string& pHora,
                                     const std::string& pPlaca, const std::string& pObs);

private:
    platform::Platform& platform_;
    const Clock& clock_;
    AlertUi& ui_;
    std::int64_t startMinute_;
};
