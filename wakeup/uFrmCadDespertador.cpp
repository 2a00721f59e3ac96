#include "wakeup/uFrmCadDespertador.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/ErrorBox.h"
#include "shell/Formats.h"
#include "shell/OpenOnce.h"
#include "shell/uFuncao.h"
#include "wakeup/EditHora.h"

TFrmCadDespertador* FrmCadDespertador = nullptr;

namespace {

const QColor kVermelho(255, 0, 0);

QFont Roboto(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Roboto"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The application's short date format in Qt's notation.
QString QtDateFormat(const FormatSettings& f) {
    QString out;
    for (const char c : f.ShortDateFormat) {
        switch (c) {
            case 'm':
                out += QLatin1Char('M');
                break;
            case '/':
                out += QLatin1Char(f.DateSeparator);
                break;
            default:
                out += QLatin1Char(c);
        }
    }
    return out;
}

QDate ToQDate(TDateTime value) {
    const DateParts d = DecodeDateTime(value).date;
    return QDate(d.year, d.month, d.day);
}

TDateTime FromQDate(const QDate& date) {
    return EncodeDate(date.year(), date.month(), date.day());
}

// Past rows are written in red, selected or not; the active cell in bold.
class PastRowDelegate : public QStyledItemDelegate {
public:
    PastRowDelegate(TFrmCadDespertador* form, QTableView* grid)
        : QStyledItemDelegate(form), form_(form), grid_(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QColor color = form_->LinhaPassada(index.row()) ? kVermelho : QColor(Qt::black);
        option->palette.setColor(QPalette::Text, color);
        option->palette.setColor(QPalette::HighlightedText, color);
        if (index == grid_->currentIndex()) option->font = Roboto(13, true);
    }

private:
    TFrmCadDespertador* form_;
    QTableView* grid_;
};

QLabel* Label(const char* text, QWidget* parent, int left, int width) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setFont(Roboto(13, true));
    // At least the laid-out width; wider where the font in use needs it.
    label->setGeometry(left, 7, std::max(width, label->sizeHint().width()), 15);
    return label;
}

QLineEdit* UpperCaseEdit(QWidget* parent, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text) return;
        const int position = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(position);
    });
    return edit;
}

}  // namespace

TFrmCadDespertador::TFrmCadDespertador(TClientDataSet& table, platform::Platform& platform,
                                       const Clock& clock, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      cdsDespertador(table),
      platform_(platform),
      clock_(clock) {
    BuildLayout();
}

void TFrmCadDespertador::BuildLayout() {
    setWindowTitle(QStringLiteral("Despertador"));
    setFixedSize(695, 461);
    setFont(Roboto(13));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    pnlFundo = new QFrame(this);
    pnlFundo->setFrameShape(QFrame::NoFrame);
    pnlFundo->setGeometry(0, 0, 695, 461);
    pnlTopo = new QFrame(pnlFundo);
    pnlTopo->setFrameShape(QFrame::NoFrame);
    pnlTopo->setGeometry(0, 0, 695, 58);

    Label("Data", pnlTopo, 8, 28);
    Label("Hora", pnlTopo, 119, 28);
    Label("Apto", pnlTopo, 175, 27);
    Label("Placa veículo", pnlTopo, 250, 77);
    Label("Observações", pnlTopo, 354, 77);

    dtpData = new QDateEdit(pnlTopo);
    dtpData->setCalendarPopup(true);
    dtpData->setDisplayFormat(QtDateFormat(AppFormats()));
    dtpData->setDate(QDate(2023, 4, 19));
    dtpData->setGeometry(8, 28, 103, 23);

    mskHora = new TEditHora(pnlTopo);
    mskHora->setMaxLength(5);
    mskHora->setText(QStringLiteral("09:53"));
    mskHora->SetafHora(EncodeTime(9, 53, 48, 0));
    mskHora->SetFormato("hh:nn");
    mskHora->setGeometry(119, 28, 48, 23);

    edtApto = UpperCaseEdit(pnlTopo, 10);
    edtApto->setGeometry(175, 28, 67, 23);
    edtPlacaVeiculo = UpperCaseEdit(pnlTopo, 20);
    edtPlacaVeiculo->setGeometry(250, 28, 96, 23);
    edtObs = UpperCaseEdit(pnlTopo, 84);
    edtObs->setGeometry(354, 28, 246, 23);

    btnIncluir = new QPushButton(QStringLiteral("&Incluir"), pnlTopo);
    btnIncluir->setGeometry(609, 28, 75, 23);
    btnIncluir->setAutoDefault(false);
    connect(btnIncluir, &QPushButton::clicked, this, &TFrmCadDespertador::btnIncluirClick);

    setTabOrder(dtpData, mskHora);
    setTabOrder(mskHora, edtApto);
    setTabOrder(edtApto, edtPlacaVeiculo);
    setTabOrder(edtPlacaVeiculo, edtObs);
    setTabOrder(edtObs, btnIncluir);
    for (QWidget* w : {static_cast<QWidget*>(dtpData), static_cast<QWidget*>(mskHora),
                       static_cast<QWidget*>(edtApto), static_cast<QWidget*>(edtPlacaVeiculo),
                       static_cast<QWidget*>(edtObs)})
        w->installEventFilter(this);

    Grid = new QTableView(pnlFundo);
    model_ = new GridDespertadorModel(this);
    Grid->setModel(model_);
    Grid->setGeometry(0, 58, 695, 403);
    Grid->setFocusPolicy(Qt::NoFocus);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setFont(Roboto(15, true));
    Grid->setMouseTracking(true);
    Grid->setItemDelegate(new PastRowDelegate(this, Grid));
    Grid->setContextMenuPolicy(Qt::CustomContextMenu);

    popMenuGrid = new QMenu(this);
    Editar = popMenuGrid->addAction(QStringLiteral("&Editar"));
    Excluir = popMenuGrid->addAction(QStringLiteral("E&xcluir"));
    N1 = popMenuGrid->addSeparator();
    RemoverUltrapassados = popMenuGrid->addAction(QStringLiteral("&Remover Ultrapassados"));
    connect(Editar, &QAction::triggered, this, &TFrmCadDespertador::EditarClick);
    connect(Excluir, &QAction::triggered, this, &TFrmCadDespertador::ExcluirClick);
    connect(RemoverUltrapassados, &QAction::triggered, this,
            &TFrmCadDespertador::RemoverUltrapassadosClick);
    connect(Grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        popMenuGridPopup();
        popMenuGrid->exec(Grid->viewport()->mapToGlobal(at));
    });
}

void TFrmCadDespertador::Abrir(TClientDataSet& pDespertador, platform::Platform& platform,
                               const Clock& clock) {
    OpenOnce(FrmCadDespertador,
             [&] { return new TFrmCadDespertador(pDespertador, platform, clock); });
}

void TFrmCadDespertador::Preparar() {
    LimparOsCampos();
    MontarGrid();
    CarregarGrid();
}

void TFrmCadDespertador::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;  // closed only through the title bar
    QDialog::keyPressEvent(event);
}

void TFrmCadDespertador::LimparOsCampos() {
    const TDateTime agora = clock_.Now();
    dtpData->setDate(ToQDate(agora));
    mskHora->setText(QString::fromStdString(FormatDateTime("hh:nn", agora)));
    edtApto->clear();
    edtPlacaVeiculo->clear();
    edtObs->clear();
}

void TFrmCadDespertador::MontarGrid() {
    const int widths[] = {0, 100, 80, 80, 100, 150};
    for (int c = 0; c < 6; ++c) Grid->setColumnWidth(c, widths[c]);
    Grid->setColumnHidden(cCOL_CODIGO, true);
    Grid->verticalHeader()->setDefaultSectionSize(25);
    Grid->horizontalHeader()->setFixedHeight(25);
    Grid->horizontalHeader()->setStretchLastSection(true);
}

void TFrmCadDespertador::CarregarGrid() {
    model_->Reset(::CarregarGrid(cdsDespertador));
}

void TFrmCadDespertador::MostrarRegistroAtual() {
    // Mirrors the table when it holds every call but the one just posted, in the same order.
    const int row = cdsDespertador.RecNo() - 1;
    const bool mirrors = model_->Count() == cdsDespertador.RecordCount() - 1 &&
                         (model_->Count() == 0 || !model_->Linha(0).vazia());
    if (!mirrors || row < 0) return CarregarGrid();
    model_->InsertLinha(row, LinhaDoRegistro(CamposTabela(cdsDespertador)));
}

void TFrmCadDespertador::RemoverLinha(int row) {
    if (model_->Count() == 1) return CarregarGrid();  // the empty row takes its place
    model_->RemoveLinha(row);
}

bool TFrmCadDespertador::LinhaPassada(int tableRow) const {
    if (tableRow < 0 || tableRow >= model_->Count()) return false;
    return LinhaUltrapassada(model_->Linha(tableRow), clock_.Now());
}

int TFrmCadDespertador::LinhaSelecionada() const {
    const int row = Grid->currentIndex().row();
    if (row < 0 || row >= model_->Count()) return -1;
    return row;
}

void TFrmCadDespertador::popMenuGridPopup() {
    RunGuarded([this] {
        const int row = LinhaSelecionada();
        const bool hasCall = row >= 0 && !model_->Linha(row).vazia();
        Editar->setEnabled(hasCall);
        Excluir->setEnabled(hasCall);
        RemoverUltrapassados->setEnabled(true);
    });
}

CamposDespertador TFrmCadDespertador::Campos() const {
    return {FromQDate(dtpData->date()), mskHora->displayText().toStdString(),
            edtApto->text().toStdString(), edtPlacaVeiculo->text().toStdString(),
            edtObs->text().toStdString()};
}

bool TFrmCadDespertador::VerificarDataHora() const {
    return ::VerificarDataHora(FromQDate(dtpData->date()), mskHora->displayText().toStdString(),
                               clock_.Now());
}

void TFrmCadDespertador::AvisarDataHora() {
    TFuncao::MsgAtencao("Informe uma data ou horário maior ou igual ao atual!", "Atenção!");
    if (DayOf(clock_.Now()) > DayOf(FromQDate(dtpData->date())))
        dtpData->setFocus();
    else
        mskHora->setFocus();
}

void TFrmCadDespertador::btnIncluirClick() {
    RunGuarded([this] {
        // Pressed through its accelerator, the time field has not been left: check it now.
        if (mskHora->hasFocus() && !mskHora->ConfirmarHora()) return;
        if (FMetodoIncluirEditar == taIncluir)
            IncluirRegistro();
        else
            EditarRegistro();
    });
}

void TFrmCadDespertador::IncluirRegistro() {
    struct BackToAdding {
        int& mode;
        ~BackToAdding() { mode = taIncluir; }
    } backToAdding{FMetodoIncluirEditar};
    if (!VerificarDataHora()) {
        AvisarDataHora();
        return;
    }
    ::IncluirRegistro(cdsDespertador, platform_, Campos());
    LimparOsCampos();
    dtpData->setFocus();
    MostrarRegistroAtual();
}

void TFrmCadDespertador::EditarRegistro() {
    if (!VerificarDataHora()) {
        AvisarDataHora();
        return;
    }
    const bool found =
        ::EditarRegistro(cdsDespertador, platform_, std::stoi(FCodigoEdicao), Campos());
    if (found)
        MostrarRegistroAtual();
    else
        CarregarGrid();
    FMetodoIncluirEditar = taIncluir;
    if (!found) {
        TFuncao::MsgAtencao("O despertador que estava sendo editado não existe mais.", "Atenção!");
        return;
    }
    LimparOsCampos();
    dtpData->setFocus();
}

void TFrmCadDespertador::EditarClick() {
    RunGuarded([this] {
        const int row = LinhaSelecionada();
        if (row < 0 || model_->Linha(row).vazia()) return;
        if (!TFuncao::MsgConfirma("Deseja realmente editar o registro selecionado?")) return;
        const LinhaGrid linha = model_->Linha(row);
        FMetodoIncluirEditar = taEditar;
        FCodigoEdicao = linha.codigo;
        dtpData->setDate(ToQDate(linha.dataReal));
        mskHora->setText(QString::fromStdString(linha.hora));
        edtApto->setText(QString::fromStdString(linha.apto));
        edtPlacaVeiculo->setText(QString::fromStdString(linha.placa));
        edtObs->setText(QString::fromStdString(linha.obs));
        // The call stays in the table; the grid hides it until the edit is done.
        if (model_->Count() == 1)
            model_->Reset({LinhaGrid{}});
        else
            model_->RemoveLinha(row);
    });
}

void TFrmCadDespertador::ExcluirClick() {
    RunGuarded([this] {
        const int row = LinhaSelecionada();
        if (row < 0 || model_->Linha(row).vazia()) return;
        if (!TFuncao::MsgConfirma("Deseja realmente excluir o registro selecionado?")) return;
        const int vCodigo = std::stoi(model_->Linha(row).codigo);
        if (::ExcluirRegistro(cdsDespertador, platform_, vCodigo))
            RemoverLinha(row);
        else
            CarregarGrid();
    });
}

void TFrmCadDespertador::RemoverUltrapassadosClick() {
    RunGuarded([this] {
        struct Reload {
            TFrmCadDespertador* form;
            ~Reload() { form->CarregarGrid(); }  // also after a failed save: the calls went
        } reload{this};
        if (TFuncao::MsgConfirma("Deseja realmente excluir os registros ultrapassados?"))
            ::RemoverUltrapassados(cdsDespertador, platform_, model_->Linhas(), clock_.Now());
    });
}

bool TFrmCadDespertador::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            TrocarCampo(qobject_cast<QWidget*>(watched));
    }
    return QDialog::eventFilter(watched, event);
}

// Enter moves the focus to the next tab stop after `pSender`; the key goes on as it was.
void TFrmCadDespertador::TrocarCampo(QWidget* pSender) {
    if (pSender == nullptr) return;
    QWidget* next = pSender->nextInFocusChain();
    while (next != pSender &&
           (!(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled() ||
            !next->isVisibleTo(this) || next->window() != this || next->focusProxy() != nullptr))
        next = next->nextInFocusChain();
    next->setFocus(Qt::TabFocusReason);
}
