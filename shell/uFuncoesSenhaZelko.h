#pragma once

#include <string>

#include "shell/DateTime.h"

// The supervisor password: six characters worked out from the day, month and hour of a moment.
// Each derivation sets the application's short date format to "dd/mm/yy", and leaves it so.
std::string SenhaSupervisor(TDateTime pDataHora);
std::string SenhaVorlen(TDateTime pDataHora);
std::string SenhaDos(TDateTime pDataHora);
std::string InverteString(const std::string& pStr);
