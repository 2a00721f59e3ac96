#include "watchdog/uFrmCadProcesso.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

#include "shell/ErrorBox.h"
#include "shell/ModalWindows.h"
#include "shell/OpenOnce.h"
#include "shell/uFuncao.h"
#include "watchdog/CadProcessoLogic.h"
#include "watchdog/ExecutableListFile.h"
#include "watchdog/FileNameEdit.h"

TFrmCadProcesso* FrmCadProcesso = nullptr;

namespace {

QFont Roboto(int pixels) {
    QFont font(QStringLiteral("Roboto"));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

TFrmCadProcesso::TFrmCadProcesso(platform::Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      platform_(platform) {
    setWindowTitle(QStringLiteral("Executáveis a serem monitorados"));
    setFixedSize(478, 300);
    setFont(Roboto(13));

    auto* topo = new QFrame(this);
    topo->setFrameShape(QFrame::NoFrame);
    topo->setGeometry(0, 0, 478, 40);
    auto* label = new QLabel(QStringLiteral("Caminho do executável"), topo);
    label->move(7, 12);
    label->adjustSize();
    btnIncluir = new QPushButton(QStringLiteral("&Incluir"), topo);
    btnIncluir->setGeometry(413, 8, 57, 25);
    btnIncluir->setAutoDefault(false);
    edtCaminhoExecutavel =
        new FileNameEdit(QString::fromStdString(platform_.executableFilter()), topo);
    edtCaminhoExecutavel->setGeometry(146, 9, 261, 23);
    setTabOrder(btnIncluir, edtCaminhoExecutavel);
    connect(btnIncluir, &QPushButton::clicked, this, &TFrmCadProcesso::btnIncluirClick);

    Grid = new QTableWidget(1, 1, this);
    Grid->setGeometry(0, 40, 478, 260);
    Grid->setFont(Roboto(16));
    Grid->horizontalHeader()->hide();
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Grid->setContextMenuPolicy(Qt::CustomContextMenu);
    Mostrar({std::string()});

    popMenuGrid = new QMenu(this);
    popExcluir = popMenuGrid->addAction(QStringLiteral("&Excluir"));
    connect(popExcluir, &QAction::triggered, this, &TFrmCadProcesso::popExcluirClick);
    connect(Grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        popMenuGridPopup();
        popMenuGrid->exec(Grid->viewport()->mapToGlobal(at));
    });
    btnIncluir->setFocus();
}

void TFrmCadProcesso::Abrir(platform::Platform& platform) {
    OpenOnce(FrmCadProcesso, [&] { return new TFrmCadProcesso(platform); });
}

void TFrmCadProcesso::Preparar() {
    CriarArquivoIni(platform_);
    CarregarGrid();
}

void TFrmCadProcesso::CarregarGrid() {
    Mostrar(LinhasDaLista(TFuncao::GetDadosIni(platform_)));
}

void TFrmCadProcesso::Mostrar(const std::vector<std::string>& linhas) {
    const int atual = Grid->currentRow();
    Grid->setRowCount(static_cast<int>(linhas.size()));
    for (int r = 0; r < static_cast<int>(linhas.size()); ++r)
        Grid->setItem(
            r, 0,
            new QTableWidgetItem(QString::fromStdString(linhas[static_cast<std::size_t>(r)])));
    if (atual >= 0) Grid->setCurrentCell(std::min(atual, Grid->rowCount() - 1), 0);
}

std::vector<std::string> TFrmCadProcesso::Linhas() const {
    std::vector<std::string> linhas;
    for (int r = 0; r < Grid->rowCount(); ++r) {
        const QTableWidgetItem* item = Grid->item(r, 0);
        linhas.push_back(item ? item->text().toStdString() : std::string());
    }
    return linhas;
}

void TFrmCadProcesso::btnIncluirClick() {
    RunGuarded([this] {
        const auto texto = TextoParaIncluir(edtCaminhoExecutavel->text().toStdString());
        if (!texto) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Inclusão de executável"),
                            QStringLiteral("Preencha o campo para incluir!"), QMessageBox::Ok,
                            this);
            ExecModal(box);
            return;
        }
        std::vector<std::string> linhas = Linhas();
        IncluirLinha(linhas, *texto);
        Mostrar(linhas);
        edtCaminhoExecutavel->clear();
        edtCaminhoExecutavel->setFocus();
    });
}

void TFrmCadProcesso::popMenuGridPopup() {
    RunGuarded([this] {
        const QTableWidgetItem* item = Grid->item(Grid->currentRow(), 0);
        popExcluir->setEnabled(item != nullptr && !item->text().isEmpty());
    });
}

void TFrmCadProcesso::popExcluirClick() {
    RunGuarded([this] {
        if (!TFuncao::MsgConfirma("Deseja realmente excluir o registro selecionado?")) return;
        const int row = Grid->currentRow();
        const QTableWidgetItem* item = Grid->item(row, 0);
        if (item == nullptr || item->text().isEmpty()) return;
        std::vector<std::string> linhas = Linhas();
        ExcluirLinha(linhas, static_cast<std::size_t>(row));
        Mostrar(linhas);
    });
}

// Every closing stores the rows; when that fails the window stays open with them, and the
// next closing tries again.
void TFrmCadProcesso::closeEvent(QCloseEvent* event) {
    try {
        IncluiExecutaveisNoIni(platform_, Linhas());
    } catch (const std::exception& e) {
        event->ignore();
        ShowErrorBox(e.what());
        return;
    }
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void TFrmCadProcesso::reject() {
    close();
}

void TFrmCadProcesso::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;  // closed through the title bar only
    QDialog::keyPressEvent(event);
}
