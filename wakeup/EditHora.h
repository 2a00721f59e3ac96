#pragma once

#include <QLineEdit>
#include <string>

#include "shell/DateTime.h"

// A masked field for a time of day "hh:nn". It remembers the last accepted time (`Hora`, and
// as "hh:nn:ss" in `sHora`); on leaving it, blank digits are completed from that time, an
// hour above 23 or a minute above 59 is refused with "Hora inválida." and the focus comes
// back, and otherwise the time is adopted and shown in `Formato`. setText() changes only the
// text, never `Hora`.
class TEditHora : public QLineEdit {
    Q_OBJECT

public:
    // Starts holding the time of day of `agora`.
    explicit TEditHora(QWidget* parent = nullptr, TDateTime agora = 0);

    TDateTime Hora() const { return fHora; }
    void SetafHora(TDateTime value);
    const std::string& Formato() const { return sFormato; }
    void SetFormato(const std::string& formato) { sFormato = formato; }
    const std::string& HoraTexto() const { return sHora; }

    // Runs the leaving check now (as leaving the field would); false when the time was refused.
    bool ConfirmarHora();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool VerHoraOk();

    TDateTime fHora = 0;
    std::string sHora = "00:00:00";
    std::string sFormato = "hh:nn";
};
