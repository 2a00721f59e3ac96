#include "wakeup/QtAlertUi.h"

#include "shell/ErrorBox.h"
#include "shell/uFuncao.h"

void QtAlertUi::MsgAtencao(const std::string& pTexto, const std::string& pTitulo) {
    TFuncao::MsgAtencao(pTexto, pTitulo);
}

void QtAlertUi::ShowError(const std::string& message) {
    ShowErrorBox(message);
}

void QtAlertUi::PlayAlarm(const std::string& wavPath) {
    if (!platform_.playAlarm(wavPath)) sound_->PlayFourTimes(QString::fromStdString(wavPath));
}
