#pragma once

#include "wakeup/AlarmSound.h"
#include "wakeup/DueCallCheck.h"

// The due-call check's boxes and sound, in widgets.
class QtAlertUi : public AlertUi {
public:
    QtAlertUi(platform::Platform& platform, QObject* owner)
        : platform_(platform), sound_(new AlarmSound(owner)) {}
    void MsgAtencao(const std::string& pTexto, const std::string& pTitulo) override;
    void ShowError(const std::string& message) override;
    void PlayAlarm(const std::string& wavPath) override;

private:
    platform::Platform& platform_;
    AlarmSound* sound_;  // owned by `owner`; plays where the platform does not
};
