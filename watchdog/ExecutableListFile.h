#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

// The two writers of the list editor. Both throw "Unable to write to <path>" on failure.

// Creates setup.ini with an empty list when there is none; an existing file is left alone.
void CriarArquivoIni(const platform::Platform& pPlataforma);

// Stores the editor's rows, top row first, joined with "|", replacing the stored list.
void IncluiExecutaveisNoIni(const platform::Platform& pPlataforma,
                            const std::vector<std::string>& pLinhas);
