#include "wakeup/CadDespertadorLogic.h"

#include <stdexcept>
#include <unordered_map>

#include "shell/Formats.h"
#include "wakeup/WakeupTable.h"

namespace {

void EscreverCampos(TClientDataSet& cds, const CamposDespertador& campos) {
    cds.FieldByName("DesData").SetAsDateTime(campos.data);
    cds.FieldByName("DesHora").SetAsString(campos.hora);
    cds.FieldByName("DesApto").SetAsString(campos.apto);
    cds.FieldByName("DesPlaca").SetAsString(campos.placa);
    cds.FieldByName("DesObs").SetAsString(campos.obs);
    cds.FieldByName("DesStatus").SetAsInteger(0);
}

// Found by a scan: switching to the code index would sort the whole table, and the reload
// would sort it back.
bool AcharCodigo(TClientDataSet& cds, int codigo) {
    return cds.Locate("DesCodigo", static_cast<std::int32_t>(codigo));
}

std::string HoraAtual(TDateTime agora) {
    return FormatDateTime("hh:nn", agora);
}

}  // namespace

LinhaGrid LinhaDoRegistro(const CamposTabela& f) {
    return {f.codigo.AsString(), f.data.AsString(),  FormatDateTime("hh:nn", f.hora.AsDateTime()),
            f.apto.AsString(),   f.placa.AsString(), f.obs.AsString(),
            f.data.AsDateTime()};
}

std::vector<LinhaGrid> CarregarGrid(TClientDataSet& cds) {
    std::vector<LinhaGrid> linhas;
    cds.SetIndexName("OrdenarDataHoradx");
    linhas.reserve(static_cast<std::size_t>(cds.RecordCount()));
    const CamposTabela f(cds);
    for (cds.First(); !cds.Eof(); cds.Next()) linhas.push_back(LinhaDoRegistro(f));
    if (linhas.empty()) linhas.emplace_back();
    return linhas;
}

bool VerificarDataHora(TDateTime data, const std::string& hora, TDateTime agora) {
    const std::int64_t dia = DayOf(data), hoje = DayOf(agora);
    return dia > hoje || (dia == hoje && !(hora < HoraAtual(agora)));
}

bool LinhaUltrapassada(const LinhaGrid& linha, TDateTime agora) {
    if (linha.data.empty()) return false;
    const std::int64_t dia = DayOf(linha.dataReal), hoje = DayOf(agora);
    return dia < hoje || (dia == hoje && linha.hora < HoraAtual(agora));
}

void IncluirRegistro(TClientDataSet& cds, platform::Platform& plataforma,
                     const CamposDespertador& campos) {
    const int vDesCodigo = CodigoGenerator(cds);
    cds.Insert();
    try {
        cds.FieldByName("DesCodigo").SetAsInteger(vDesCodigo);
        EscreverCampos(cds, campos);
    } catch (...) {
        cds.Cancel();  // no half-written record stays behind
        throw;
    }
    cds.Post();
    SalvarDados(cds, plataforma);
}

bool EditarRegistro(TClientDataSet& cds, platform::Platform& plataforma, int codigo,
                    const CamposDespertador& campos) {
    if (!AcharCodigo(cds, codigo)) return false;
    cds.Edit();
    try {
        EscreverCampos(cds, campos);
    } catch (...) {
        cds.Cancel();
        throw;
    }
    cds.Post();
    SalvarDados(cds, plataforma);
    return true;
}

bool ExcluirRegistro(TClientDataSet& cds, platform::Platform& plataforma, int codigo) {
    if (!AcharCodigo(cds, codigo)) return false;
    cds.Delete();
    SalvarDados(cds, plataforma);
    return true;
}

int RemoverUltrapassados(TClientDataSet& cds, platform::Platform& plataforma,
                         const std::vector<LinhaGrid>& linhas, TDateTime agora) {
    // Each past row takes away one call with its code: the first in date and time order.
    std::unordered_map<std::int32_t, int> aRemover;
    for (const LinhaGrid& linha : linhas)
        if (LinhaUltrapassada(linha, agora) && !linha.codigo.empty())
            ++aRemover[static_cast<std::int32_t>(std::stoi(linha.codigo))];
    if (aRemover.empty()) return 0;
    const int indice = cds.FieldIndex("DesCodigo");
    if (indice < 0) throw std::runtime_error("Campo 'DesCodigo' não encontrado");
    const auto campo = static_cast<std::size_t>(indice);
    const int removidos = cds.DeleteWhere([&](const Row& row) {
        const auto* codigo = std::get_if<std::int32_t>(&row[campo]);
        if (codigo == nullptr) return false;
        const auto found = aRemover.find(*codigo);
        if (found == aRemover.end() || found->second == 0) return false;
        --found->second;
        return true;
    });
    if (removidos == 0) return 0;
    // One save, with the rows in code order as the removals one by one used to leave them.
    cds.SetIndexName("OrdenarCodigodx");
    try {
        SalvarDados(cds, plataforma);
    } catch (...) {
        cds.SetIndexName("OrdenarDataHoradx");
        throw;  // the calls stay removed; the next save writes them
    }
    cds.SetIndexName("OrdenarDataHoradx");
    return removidos;
}
