#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/uFuncao.h"

// The list editor's rows, without widgets: one entry per row, top row first.

// Rows for a stored list: elements fill the rows from the top; an empty element leaves the
// bottom row empty for the next one, so only empty elements at the end leave an empty row.
std::vector<std::string> LinhasDaLista(const TStringArray& lista);

// The entry "&Incluir" adds for an edit text: without surrounding blanks and one enclosing
// pair of double quotes; nothing when that leaves it empty.
std::optional<std::string> TextoParaIncluir(const std::string& texto);

// Puts `texto` in the bottom row, adding a row when that one is taken.
void IncluirLinha(std::vector<std::string>& linhas, const std::string& texto);

// Removes row `indice`, the rows below moving up; one empty row stays at least.
void ExcluirLinha(std::vector<std::string>& linhas, std::size_t indice);
