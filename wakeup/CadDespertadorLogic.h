#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "shell/DateTime.h"
#include "wakeup/ClientDataSet.h"
#include "wakeup/WakeupTable.h"

// The wake-up call editor's work on the table, without widgets.

// One grid row: the six cell texts, and the call's own date, so that nothing read back from
// the grid depends on the date format of its fill.
struct LinhaGrid {
    std::string codigo, data, hora, apto, placa, obs;
    TDateTime dataReal = 0;
    bool vazia() const { return hora.empty(); }
};

// What the input fields hold.
struct CamposDespertador {
    TDateTime data = 0;  // the picker's day
    std::string hora;    // "hh:nn"
    std::string apto, placa, obs;
};

// The grid row of the current record.
LinhaGrid LinhaDoRegistro(const CamposTabela& f);

// Rows in date-and-time order ("OrdenarDataHoradx" is left active); one empty row for an empty
// table.
std::vector<LinhaGrid> CarregarGrid(TClientDataSet& cds);

// A new or edited call must lie in the current minute or later.
bool VerificarDataHora(TDateTime data, const std::string& hora, TDateTime agora);

// A row whose call's moment is before the current minute.
bool LinhaUltrapassada(const LinhaGrid& linha, TDateTime agora);

// Each writes the table to despertar.xml after its change.
void IncluirRegistro(TClientDataSet& cds, platform::Platform& plataforma,
                     const CamposDespertador& campos);
// False, and nothing changed, when the code is no longer in the table.
bool EditarRegistro(TClientDataSet& cds, platform::Platform& plataforma, int codigo,
                    const CamposDespertador& campos);
bool ExcluirRegistro(TClientDataSet& cds, platform::Platform& plataforma, int codigo);
// Removes the past rows' calls, then saves once; returns how many went. When the save fails,
// the calls stay removed and the error goes on to the caller.
int RemoverUltrapassados(TClientDataSet& cds, platform::Platform& plataforma,
                         const std::vector<LinhaGrid>& linhas, TDateTime agora);
