#include "shell/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/ModalWindows.h"

void ShowErrorBox(const std::string& texto) {
    QString mensagem = QString::fromStdString(texto);
    if (!mensagem.endsWith(QLatin1Char('.'))) mensagem += QLatin1Char('.');
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), mensagem,
                    QMessageBox::Ok);
    ExecModal(box);
}
