#include "shell/Program.h"

#include "shell/ErrorBox.h"
#include "shell/uFuncao.h"

int RunProgram(platform::Platform& platform, const Clock& clock) {
    try {
        TFuncao::Executar(platform, clock);
        return 0;
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    } catch (...) {
        ShowErrorBox("Erro desconhecido");
    }
    return 1;
}
