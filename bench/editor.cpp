// The wake-up call editor over 20,000 and 100,000 calls, half of them past, on the offscreen
// platform: open and fill, reload, add, delete, purge of the past half, the memory the open
// editor adds, and SalvarDados. Boxes are answered "Yes" as soon as they show.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTableView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Median.h"
#include "shell/Clock.h"
#include "support/PlatformInFolder.h"
#include "wakeup/EditHora.h"
#include "wakeup/WakeupTable.h"
#include "wakeup/uFrmCadDespertador.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace {

const TDateTime kAgora = EncodeDate(2025, 6, 1) + EncodeTime(12, 0, 0, 0);

// Clicks "Yes" on every question box as soon as it shows.
class AnswerYes : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                QMetaObject::invokeMethod(
                    box, [box] { box->button(QMessageBox::Yes)->click(); }, Qt::QueuedConnection);
        return false;
    }
};

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 20, '\n');
    }
    return 0;
}

void Fill(TClientDataSet& cds, int calls) {
    for (int i = 0; i < calls; ++i) {
        cds.Insert();
        cds.FieldByName("DesCodigo").SetAsInteger(i + 1);
        // Even codes in the past year, odd ones in the next.
        const int day = 1 + (i / 2) % 360;
        cds.FieldByName("DesData").SetAsDateTime(DayOf(kAgora) + (i % 2 ? day : -day));
        cds.FieldByName("DesHora").SetAsDateTime(EncodeTime(i % 24, (i * 7) % 60, 0, 0));
        cds.FieldByName("DesApto").SetAsString(std::to_string(100 + i % 400));
        cds.FieldByName("DesPlaca")
            .SetAsString(i % 3 ? "ABC" + std::to_string(1000 + i % 9000) : "");
        cds.FieldByName("DesObs").SetAsString(i % 2 ? "CAFÉ DA MANHÃ ÀS 7H & JORNAL" : "");
        cds.FieldByName("DesStatus").SetAsInteger(0);
        cds.Post();
    }
}

void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void Measure(int calls) {
    const auto folder = std::filesystem::temp_directory_path() / "tresmon-bench-editor";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    PlatformInFolder platform(folder.string());
    MockClock clock(kAgora);

    std::unique_ptr<TClientDataSet> cds;
    CriarCDSDespertador(cds, platform);
    Fill(*cds, calls);
    SalvarDados(*cds, platform);
    const TClientDataSet pristine = *cds;

    // First, before anything else of the window has been allocated and freed.
    const long before = ResidentKilobytes();
    auto form = std::make_unique<TFrmCadDespertador>(*cds, platform, clock);
    form->Preparar();
    form->show();
    Settle();
    const long memory = ResidentKilobytes() - before;

    constexpr int kRuns = 5;
    const double save = MedianMilliseconds(kRuns, [&] { SalvarDados(*cds, platform); });
    std::size_t bytes = 0;
    const double build = MedianMilliseconds(kRuns, [&] { bytes = cds->SaveToXml().size(); });

    // Open and fill: the window built, filled and painted.
    const double open = MedianMilliseconds(kRuns, [&] {
        TFrmCadDespertador other(*cds, platform, clock);
        other.Preparar();
        other.show();
        Settle();
    });

    const double reload = MedianMilliseconds(kRuns, [&] {
        form->Preparar();
        Settle();
    });

    int minute = 0;
    const double add = MedianMilliseconds(kRuns, [&] {
        form->dtpData->setDate(QDate(2025, 6, 20));
        form->mskHora->setText(QStringLiteral("08:%1").arg(minute++, 2, 10, QLatin1Char('0')));
        form->edtApto->setText(QStringLiteral("501"));
        form->btnIncluir->click();
        Settle();
    });

    const double remove = MedianMilliseconds(kRuns, [&] {
        const int row = form->Grid->model()->rowCount() / 2;
        form->Grid->setCurrentIndex(form->Grid->model()->index(row, cCOL_DATA));
        form->ExcluirClick();
        Settle();
    });

    // Each purge starts from the full table; the reset before it is not timed.
    std::vector<double> purges;
    int purgedCalls = 0;
    for (int run = 0; run < 3; ++run) {
        *cds = pristine;
        form->Preparar();
        Settle();
        const int rows = cds->RecordCount();
        const auto start = std::chrono::steady_clock::now();
        form->RemoverUltrapassadosClick();
        Settle();
        purges.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        purgedCalls = rows - cds->RecordCount();
    }
    std::sort(purges.begin(), purges.end());
    const double purge = purges[1];

    std::printf("calls: %d (half past)\n", calls);
    std::printf("  open and fill, median: %.1f ms\n", open);
    std::printf("  reload, median: %.1f ms\n", reload);
    std::printf("  add (insert, save, grid), median: %.1f ms\n", add);
    std::printf("  delete (confirm, save, grid), median: %.1f ms\n", remove);
    std::printf("  purge of %d past calls (confirm, one save, reload), median: %.1f ms\n",
                purgedCalls, purge);
    std::printf("  memory added by the open editor: %.1f MB\n", memory / 1024.0);
    std::printf(
        "  SalvarDados (%.1f MB, flushed and renamed), median: %.1f ms, of which the XML "
        "text: %.1f ms\n",
        bytes / 1e6, save, build);
    form.reset();
    std::filesystem::remove_all(folder);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AnswerYes answers;
    app.installEventFilter(&answers);
    Measure(20000);
    Measure(100000);
    return 0;
}
