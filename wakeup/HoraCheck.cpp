#include "wakeup/HoraCheck.h"

HoraCompletada VerHoraOk(const std::string& texto, std::string& sHora) {
    HoraCompletada r;
    r.sa = texto.substr(0, 8);
    r.sa.resize(8, ' ');
    for (std::size_t i = 0; i < 8; ++i) {
        if (i == 2 || i == 5) {
            r.sa[i] = ':';
        } else if (r.sa[i] < '0' || r.sa[i] > '9') {
            r.sa[i] = i < sHora.size() ? sHora[i] : '0';
        }
    }
    sHora = r.sa;
    auto pair = [&](std::size_t at) {
        const char a = r.sa[at], b = r.sa[at + 1];
        if (a < '0' || a > '9' || b < '0' || b > '9') return 99;
        return (a - '0') * 10 + (b - '0');
    };
    r.ok = pair(0) <= 23 && pair(3) <= 59 && pair(6) <= 59;
    return r;
}
