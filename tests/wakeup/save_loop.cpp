// Saves the wake-up table over and over (growing it), so a test can kill it mid-save.
// Usage: save_loop FOLDER
#include <string>

#include "support/PlatformInFolder.h"
#include "wakeup/WakeupTable.h"

int main(int argc, char* argv[]) {
    if (argc < 2) return 2;
    PlatformInFolder platform(argv[1]);
    std::unique_ptr<TClientDataSet> cds;
    CriarCDSDespertador(cds, platform);
    for (int round = 0; round < 100000; ++round) {
        for (int k = 0; k < 50; ++k) {
            cds->Insert();
            cds->FieldByName("DesCodigo").SetAsInteger(CodigoGenerator(*cds));
            cds->FieldByName("DesData").SetAsDateTime(EncodeDate(2025, 1, 1) + round % 300);
            cds->FieldByName("DesHora").SetAsDateTime(EncodeTime(k % 24, k % 60, 0, 0));
            cds->FieldByName("DesApto").SetAsString(std::to_string(round));
            cds->FieldByName("DesObs").SetAsString("Observação & <teste> nº " + std::to_string(k));
            cds->FieldByName("DesStatus").SetAsInteger(0);
            cds->Post();
        }
        SalvarDados(*cds, platform);
    }
    return 0;
}
