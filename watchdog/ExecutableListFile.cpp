#include "watchdog/ExecutableListFile.h"

#include "shell/FileIO.h"
#include "shell/uFuncao.h"
#include "watchdog/IniFile.h"

void CriarArquivoIni(const platform::Platform& pPlataforma) {
    const std::string path = SetupIniPath(pPlataforma);
    if (FileExists(path)) return;
    WriteIniValue(path, "EXECUTAVEL", "CAMINHOS", "");
}

void IncluiExecutaveisNoIni(const platform::Platform& pPlataforma,
                            const std::vector<std::string>& pLinhas) {
    std::string value;
    for (std::size_t i = 0; i < pLinhas.size(); ++i) {
        if (i > 0) value += '|';
        value += pLinhas[i];
    }
    WriteIniValue(SetupIniPath(pPlataforma), "EXECUTAVEL", "CAMINHOS", value);
}
