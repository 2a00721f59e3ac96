#include "watchdog/CadProcessoLogic.h"

#include "watchdog/ProcessCheck.h"

std::vector<std::string> LinhasDaLista(const TStringArray& lista) {
    std::vector<std::string> linhas(1);
    for (const std::string& elemento : lista) {
        if (!linhas.back().empty()) linhas.emplace_back();
        linhas.back() = elemento;
    }
    return linhas;
}

std::optional<std::string> TextoParaIncluir(const std::string& texto) {
    std::string limpo = CleanListedPath(texto);
    if (limpo.empty()) return std::nullopt;
    return limpo;
}

void IncluirLinha(std::vector<std::string>& linhas, const std::string& texto) {
    if (linhas.empty() || !linhas.back().empty()) linhas.emplace_back();
    linhas.back() = texto;
}

void ExcluirLinha(std::vector<std::string>& linhas, std::size_t indice) {
    if (indice >= linhas.size()) return;
    linhas.erase(linhas.begin() + static_cast<std::ptrdiff_t>(indice));
    if (linhas.empty()) linhas.emplace_back();
}
