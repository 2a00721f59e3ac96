#include "wakeup/WakeupTable.h"

#include <algorithm>
#include <stdexcept>

#include "shell/FileIO.h"
#include "shell/uFuncao.h"

std::string WakeupFilePath(const platform::Platform& pPlataforma) {
    return TFuncao::GetCaminhoExeGerenciador(pPlataforma) + "/despertar.xml";
}

void CriarCDSDespertador(std::unique_ptr<TClientDataSet>& cdsDespertador,
                         const platform::Platform& pPlataforma) {
    if (!cdsDespertador) cdsDespertador = std::make_unique<TClientDataSet>();
    TClientDataSet& cds = *cdsDespertador;
    cds.Close();
    cds.FieldDefs() = {
        {"DesCodigo", FieldType::Integer, 0, false}, {"DesData", FieldType::Date, 0, false},
        {"DesHora", FieldType::Time, 0, false},      {"DesApto", FieldType::String, 10, false},
        {"DesPlaca", FieldType::String, 20, false},  {"DesObs", FieldType::String, 100, false},
        {"DesStatus", FieldType::Integer, 0, false},
    };
    cds.CreateDataSet();
    cds.AddIndex("OrdenarDataHoradx", "DesData; DesHora", IndexOption::CaseInsensitive);
    cds.AddIndex("OrdenarCodigodx", "DesCodigo", IndexOption::None);
    cds.SetIndexName("OrdenarDataHoradx");

    const std::string path = WakeupFilePath(pPlataforma);
    if (!FileExists(path)) return;
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) throw std::runtime_error("O arquivo " + path + " não pôde ser lido");
    cds.LoadFromXml(*bytes, path);
}

int CodigoGenerator(TClientDataSet& cdsDespertador) {
    const int field = cdsDespertador.FieldIndex("DesCodigo");
    if (field < 0) throw std::runtime_error("Campo 'DesCodigo' não encontrado");
    std::int32_t highest = 0;
    for (int i = 0; i < cdsDespertador.RecordCount(); ++i) {
        const FieldValue& value = cdsDespertador.RowAt(i)[static_cast<std::size_t>(field)];
        if (const auto* code = std::get_if<std::int32_t>(&value))
            highest = std::max(highest, *code);
    }
    return highest + 1;
}

void SalvarDados(const TClientDataSet& cdsDespertador, platform::Platform& pPlataforma) {
    const std::string path = WakeupFilePath(pPlataforma);
    std::string reason;
    if (!pPlataforma.replaceFile(path, cdsDespertador.SaveToXml(), reason))
        throw std::runtime_error("Unable to write to " + path + " (" + reason + ")");
}
