#include "wakeup/DueCallCheck.h"

#include "shell/FileIO.h"
#include "shell/Formats.h"
#include "shell/uFuncao.h"
#include "wakeup/WakeupTable.h"

namespace {

std::int64_t MinuteOf(TDateTime moment) {
    return DayOf(moment) * 1440 + MillisecondsOfDay(moment) / 60'000;
}

}  // namespace

DueCallCheck::DueCallCheck(platform::Platform& platform, const Clock& clock, AlertUi& ui,
                           TDateTime startMoment)
    : platform_(platform), clock_(clock), ui_(ui), startMinute_(MinuteOf(startMoment)) {}

std::string DueCallCheck::RetornarTexto(const std::string& pData, const std::string& pHora,
                                        const std::string& pPlaca, const std::string& pObs) {
    std::string texto = "Data e Hora: " + pData + " " + pHora;
    if (!pPlaca.empty()) texto += " Placa Veiculo: " + pPlaca;
    return texto + " Obs.: " + pObs;
}

void DueCallCheck::AlterarStatusDespertador(TClientDataSet& cdsDespertador, int /*pDesCodigo*/) {
    // Even a call without a code is marked, or it would ring again at every tick.
    cdsDespertador.Edit();
    cdsDespertador.FieldByName("DesStatus").SetAsInteger(1);
    cdsDespertador.Post();
}

void DueCallCheck::SomDespertador() {
    const std::string path = TFuncao::GetCaminhoExeGerenciador(platform_) + "despertar.wav";
    if (FileExists(path)) ui_.PlayAlarm(path);
}

void DueCallCheck::VerificarDespertador(TClientDataSet& cds) {
    CamposTabela f(cds);

    // The clock moves on only while a box is open, so it is read again after each one.
    std::int64_t now = MinuteOf(clock_.Now());
    cds.First();
    while (!cds.Eof()) {
        if (f.status.AsInteger() == 0 && !f.data.IsNull()) {
            const std::int64_t callMinute =
                MinuteOf(static_cast<TDateTime>(DayOf(f.data.AsDateTime())) + f.hora.AsDateTime());
            if (callMinute <= now && callMinute >= startMinute_) {
                const int vCodigo = f.codigo.AsInteger();
                const std::string vData = f.data.AsString();
                const std::string vHora = FormatDateTime("hh:nn", f.hora.AsDateTime());
                const std::string vApto = f.apto.AsString();
                const std::string vPlaca = f.placa.AsString();
                const std::string vObs = f.obs.AsString();

                AlterarStatusDespertador(cds, vCodigo);
                std::string saveError;
                try {
                    SalvarDados(cds, platform_);
                } catch (const std::exception& e) {
                    saveError = e.what();
                }
                const std::string vTitulo = vApto.empty() ? "Despertar" : "Despertar Apto " + vApto;
                SomDespertador();
                ui_.MsgAtencao(RetornarTexto(vData, vHora, vPlaca, vObs), vTitulo);
                if (!saveError.empty()) ui_.ShowError(saveError);
                now = MinuteOf(clock_.Now());
            }
        }
        cds.Next();
    }
}
