#include <QInputDialog>
#include <QLineEdit>

#include "shell/ModalWindows.h"
#include "shell/uFrmGerenciador.h"
#include "shell/uFuncoesSenhaZelko.h"

namespace {

std::string AsciiUpper(std::string texto) {
    for (char& c : texto)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return texto;
}

bool Blank(const std::string& texto) {
    return texto.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

bool VerificarSenhaSupervisor(const std::string& pMsg, const Clock& clock) {
    std::string caption = Blank(pMsg) ? "Informe senha de Supervisor" : pMsg;
    for (;;) {
        // A visible tray window means its menu is out of reach, unless the desktop has no tray
        // and the window offers the menu itself: then the password is always asked.
        if (FrmGerenciadorExecutaveis != nullptr && FrmGerenciadorExecutaveis->isVisible() &&
            FrmGerenciadorExecutaveis->IsTrayAvailable())
            return true;

        QInputDialog box;
        box.setWindowTitle(QString::fromStdString(caption));
        box.setLabelText(QStringLiteral("Senha"));
        box.setInputMode(QInputDialog::TextInput);
        box.setTextEchoMode(QLineEdit::Password);
        if (auto* campo = box.findChild<QLineEdit*>()) {
            campo->setMaxLength(255);
            campo->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
        }
        if (ExecModal(box) != QDialog::Accepted) return false;

        const std::string digitada = AsciiUpper(box.textValue().toStdString());
        if (digitada == SenhaSupervisor(clock.Now())) return true;
        caption = "Senha incorreta! Supervisor";
    }
}
