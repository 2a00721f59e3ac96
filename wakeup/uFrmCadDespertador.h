#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "shell/Clock.h"
#include "wakeup/CadDespertadorLogic.h"
#include "wakeup/ClientDataSet.h"
#include "wakeup/GridDespertadorModel.h"

class QAction;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class TEditHora;

constexpr int taIncluir = 0;
constexpr int taEditar = 1;

// The wake-up call editor "Despertador": lists the calls of the table it is given, adds, edits,
// deletes and purges them, saving the table after every change. Past calls show in red.
class TFrmCadDespertador : public QDialog {
    Q_OBJECT

public:
    // Opens the editor modally on `pDespertador`; while one is open, brings it to the front.
    static void Abrir(TClientDataSet& pDespertador, platform::Platform& platform,
                      const Clock& clock);

    TFrmCadDespertador(TClientDataSet& table, platform::Platform& platform, const Clock& clock,
                       QWidget* parent = nullptr);

    // Fields cleared, grid built and filled: what opening does before showing the window.
    void Preparar();

    // Grid rows as shown (1-based like the cells: row r is table row r - 1).
    const std::vector<LinhaGrid>& Linhas() const { return model_->Linhas(); }
    bool LinhaPassada(int tableRow) const;
    int Modo() const { return FMetodoIncluirEditar; }

    QFrame* pnlFundo = nullptr;
    QFrame* pnlTopo = nullptr;
    QDateEdit* dtpData = nullptr;
    TEditHora* mskHora = nullptr;
    QLineEdit* edtApto = nullptr;
    QLineEdit* edtPlacaVeiculo = nullptr;
    QLineEdit* edtObs = nullptr;
    QPushButton* btnIncluir = nullptr;
    QTableView* Grid = nullptr;
    QMenu* popMenuGrid = nullptr;
    QAction* Editar = nullptr;
    QAction* Excluir = nullptr;
    QAction* N1 = nullptr;
    QAction* RemoverUltrapassados = nullptr;

public slots:
    void btnIncluirClick();
    void EditarClick();
    void ExcluirClick();
    void RemoverUltrapassadosClick();
    void popMenuGridPopup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildLayout();
    void LimparOsCampos();
    void MontarGrid();
    void CarregarGrid();
    // The grid after a change of the table: the current record's row put in its place, or a
    // reload when the grid no longer mirrors the table.
    void MostrarRegistroAtual();
    void RemoverLinha(int row);
    void IncluirRegistro();
    void EditarRegistro();
    bool VerificarDataHora() const;
    void AvisarDataHora();
    CamposDespertador Campos() const;
    int LinhaSelecionada() const;  // table row, -1 for none
    void TrocarCampo(QWidget* pSender);

    TClientDataSet& cdsDespertador;
    platform::Platform& platform_;
    const Clock& clock_;
    int FMetodoIncluirEditar = taIncluir;
    std::string FCodigoEdicao;
    GridDespertadorModel* model_ = nullptr;
};

// The open editor, or null.
extern TFrmCadDespertador* FrmCadDespertador;
