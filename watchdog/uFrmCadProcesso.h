#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "platform/Platform.h"

class FileNameEdit;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;

// "Executáveis a serem monitorados": edits the list of monitored programs, read from setup.ini
// when it opens and written back whole at every closing.
class TFrmCadProcesso : public QDialog {
    Q_OBJECT

public:
    // Opens the editor modally; while one is open, brings it to the front.
    static void Abrir(platform::Platform& platform);

    explicit TFrmCadProcesso(platform::Platform& platform, QWidget* parent = nullptr);

    // Creates setup.ini when missing and loads the list: what opening does before showing.
    void Preparar();

    std::vector<std::string> Linhas() const;

    FileNameEdit* edtCaminhoExecutavel = nullptr;
    QPushButton* btnIncluir = nullptr;
    QTableWidget* Grid = nullptr;
    QMenu* popMenuGrid = nullptr;
    QAction* popExcluir = nullptr;

public slots:
    void btnIncluirClick();
    void popMenuGridPopup();
    void popExcluirClick();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;  // FormClose
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CarregarGrid();
    void Mostrar(const std::vector<std::string>& linhas);

    platform::Platform& platform_;
};

// The open editor, or null.
extern TFrmCadProcesso* FrmCadProcesso;
