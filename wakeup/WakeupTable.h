#pragma once

#include <memory>
#include <string>

#include "platform/Platform.h"
#include "wakeup/ClientDataSet.h"

// The wake-up call table: seven fields, two indexes, stored in despertar.xml beside the
// executable.

// The seven fields of the current record, looked up once by name.
struct CamposTabela {
    explicit CamposTabela(TClientDataSet& cds)
        : codigo(cds.FieldByName("DesCodigo")),
          data(cds.FieldByName("DesData")),
          hora(cds.FieldByName("DesHora")),
          apto(cds.FieldByName("DesApto")),
          placa(cds.FieldByName("DesPlaca")),
          obs(cds.FieldByName("DesObs")),
          status(cds.FieldByName("DesStatus")) {}
    TField codigo, data, hora, apto, placa, obs, status;
};

// despertar.xml beside the executable.
std::string WakeupFilePath(const platform::Platform& pPlataforma);

// Defines the table (creating it when `cdsDespertador` is empty), with "OrdenarDataHoradx"
// active, and loads despertar.xml when there is one. Throws when that file cannot be read.
void CriarCDSDespertador(std::unique_ptr<TClientDataSet>& cdsDespertador,
                         const platform::Platform& pPlataforma);

// The highest code in the table plus 1; 1 for an empty table.
int CodigoGenerator(TClientDataSet& cdsDespertador);

// Writes the whole table to despertar.xml, replacing the file atomically. Throws
// "Unable to write to <path>" with the reason when that fails; the old file then stays.
void SalvarDados(const TClientDataSet& cdsDespertador, platform::Platform& pPlataforma);
