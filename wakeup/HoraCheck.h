#pragma once

#include <string>

// The time field's completion rule: positions of `texto` ("hh:nn", possibly with blanks) that
// hold no digit take the digit at the same place of `sHora` ("hh:nn:ss"); the result becomes
// the new `sHora` whether or not it is a valid time.
struct HoraCompletada {
    std::string sa;   // the completed eight positions, "hh:nn:ss"
    bool ok = false;  // hour 0-23, minute and second 0-59
};

HoraCompletada VerHoraOk(const std::string& texto, std::string& sHora);
