#include "wakeup/CadDespertadorLogic.h"

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

bool AcharCodigo(TClientDataSet& cds, int codigo) {
    cds.SetIndexName("OrdenarCodigodx");
    return cds.FindKey({static_cast<std::int32_t>(codigo)});
}

std::string HoraAtual(TDateTime agora) {
    return FormatDateTime("hh:nn", agora);
}

}  // namespace

std::vector<LinhaGrid> CarregarGrid(TClientDataSet& cds) {
    std::vector<LinhaGrid> linhas;
    cds.SetIndexName("OrdenarDataHoradx");
    CamposTabela f(cds);
    for (cds.First(); !cds.Eof(); cds.Next()) {
        linhas.push_back({f.codigo.AsString(), f.data.AsString(),
                          FormatDateTime("hh:nn", f.hora.AsDateTime()), f.apto.AsString(),
                          f.placa.AsString(), f.obs.AsString(), f.data.AsDateTime()});
    }
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
    int removidos = 0;
    for (const LinhaGrid& linha : linhas) {
        if (!LinhaUltrapassada(linha, agora) || linha.codigo.empty()) continue;
        if (ExcluirRegistro(cds, plataforma, std::stoi(linha.codigo))) ++removidos;
    }
    return removidos;
}
