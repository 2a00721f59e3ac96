#include "wakeup/EditHora.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMessageBox>
#include <QTimer>

#include "shell/Formats.h"
#include "shell/ModalWindows.h"
#include "wakeup/HoraCheck.h"

namespace {

// Qt's mask: "0" is an optional digit, blanks show as spaces in displayText().
const char* const mkHora = "00:00; ";
const char* const fmtHora = "hh:nn:ss";

}  // namespace

TEditHora::TEditHora(QWidget* parent, TDateTime agora) : QLineEdit(parent) {
    setInputMask(QString::fromLatin1(mkHora));
    SetafHora(static_cast<TDateTime>(MillisecondsOfDay(agora)) / 86'400'000.0);
    resize(50, height());
}

void TEditHora::SetafHora(TDateTime value) {
    fHora = value;
    setText(QString::fromStdString(FormatDateTime(sFormato, value)));
    sHora = FormatDateTime(fmtHora, value).substr(0, 8);
}

bool TEditHora::VerHoraOk() {
    const HoraCompletada r = ::VerHoraOk(displayText().toStdString(), sHora);
    if (r.ok) return true;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Erro"), QStringLiteral("Hora inválida."),
                    QMessageBox::Ok, window());
    ExecModal(box);
    setText(QString::fromStdString(r.sa.substr(0, 5)));
    // Taken back once the focus change under way has finished.
    QTimer::singleShot(0, this, [this] {
        window()->activateWindow();
        setFocus(Qt::OtherFocusReason);
    });
    return false;
}

bool TEditHora::ConfirmarHora() {
    if (!VerHoraOk()) return false;
    const auto hora = TryStrToTime(sHora, FormatSettings{});
    if (hora) SetafHora(*hora);
    return true;
}

void TEditHora::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // The caret before the first character, nothing selected (also after Qt's own selection).
    deselect();
    setCursorPosition(0);
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) {
            deselect();
            setCursorPosition(0);
        }
    });
}

void TEditHora::focusOutEvent(QFocusEvent* event) {
    // Focus leaving with the window (another program, a menu) is not leaving the field.
    const bool leaving =
        event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    if (leaving) ConfirmarHora();
    QLineEdit::focusOutEvent(event);
}
