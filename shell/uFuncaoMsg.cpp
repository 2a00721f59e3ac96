// The widget half of TFuncao: the message boxes and the program's run.
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

#include "shell/Formats.h"
#include "shell/ModalWindows.h"
#include "shell/uFrmGerenciador.h"
#include "shell/uFuncao.h"

namespace {

// A Yes/No box with no way out but its two buttons.
class ConfirmBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->matches(QKeySequence::Cancel)) return;
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

}  // namespace

bool TFuncao::MsgConfirma(const std::string& pTexto) {
    ConfirmBox box(QMessageBox::Question, QStringLiteral("Confirmação!"),
                   QString::fromStdString(pTexto), QMessageBox::Yes | QMessageBox::No);
    box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    box.setDefaultButton(QMessageBox::Yes);
    return ExecModal(box) == QMessageBox::Yes;
}

void TFuncao::MsgAtencao(const std::string& pTexto, const std::string& pTitulo) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(pTitulo),
                    QString::fromStdString(pTexto), QMessageBox::Ok);
    ExecModal(box);
}

void TFuncao::Executar(platform::Platform& pPlataforma, const Clock& pRelogio) {
    const platform::RegionalFormats regional = pPlataforma.regionalFormats();
    FormatSettings& formats = AppFormats();
    formats.ShortDateFormat = regional.shortDate;
    formats.LongTimeFormat = regional.longTime;
    formats.DateSeparator = regional.dateSeparator;
    formats.TimeSeparator = regional.timeSeparator;
    // Only the tray window's own loop may end the run; closing the last visible window must not.
    QApplication::setQuitOnLastWindowClosed(false);
    TFrmGerenciadorExecutaveis::Abrir(pPlataforma, pRelogio);
}
