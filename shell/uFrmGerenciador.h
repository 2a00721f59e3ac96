#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "shell/Clock.h"
#include "shell/QueuedRun.h"
#include "wakeup/ClientDataSet.h"
#include "wakeup/DueCallCheck.h"
#include "wakeup/QtAlertUi.h"
#include "watchdog/ProcessCheck.h"

class QAction;
class QEventLoop;
class QFrame;
class QMenu;
class QPlainTextEdit;
class QSystemTrayIcon;
class QTimer;
class QWindow;

// The main window: tray icon with its menu, the two timers and the log pane. It hides itself
// at once, so the program normally shows only as a tray icon.
class TFrmGerenciadorExecutaveis : public QWidget {
    Q_OBJECT

public:
    // `trayAvailable` false: the desktop has no notification area, so the window never hides
    // itself and offers the tray menu on a right-click instead.
    TFrmGerenciadorExecutaveis(platform::Platform& platform, const Clock& clock, bool trayAvailable,
                               QWidget* parent = nullptr);
    ~TFrmGerenciadorExecutaveis() override;

    // The whole life of the program: single-instance test, window, table, modal loop.
    static void Abrir(platform::Platform& platform, const Clock& clock);

    // Shows the window modally; returns once a confirmed close ended its loop.
    void ShowModal();

    void ProgramaAberto();
    void VerificarDespertador();
    void CriarCDSDespertador();

    void AppendLog(const std::string& linha);
    TClientDataSet* Table() { return cdsDespertador.get(); }
    bool IsTrayAvailable() const { return trayAvailable_; }

    QFrame* pnlFundo = nullptr;
    QPlainTextEdit* memLog = nullptr;
    QSystemTrayIcon* TrayIcon = nullptr;
    QMenu* popMenuBandeja = nullptr;
    QTimer* tmAbrirExecutavel = nullptr;
    QAction* ListadeProcessos1 = nullptr;
    QAction* N1 = nullptr;
    QAction* Sair = nullptr;
    QAction* Despertador = nullptr;
    QTimer* tmDespertador = nullptr;

public slots:
    void TrayIconDblClick();
    void SairClick();
    void DespertadorClick();
    void ListadeProcessos1Click();
    void tmAbrirExecutavelTimer();
    void tmDespertadorTimer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // True when another instance runs; otherwise `marker` holds this one's marker.
    static bool JaAberto(platform::Platform& platform,
                         std::unique_ptr<platform::InstanceLock>& marker);

    void FormCreate();
    void FormActivate();
    void appEventosMinimize();
    void FocusWindowChanged(QWindow* now);
    void BuildLayout();
    void BuildTray();

    platform::Platform& platform_;
    const Clock& clock_;
    const bool trayAvailable_;
    bool FFechar = false;
    QEventLoop* modalLoop_ = nullptr;
    QPointer<QWindow> previousFocus_;
    ProcessCheck processCheck_;
    std::unique_ptr<TClientDataSet> cdsDespertador;  // freed with the window, unsaved
    QtAlertUi alertUi_;
    DueCallCheck dueCallCheck_;
    QueuedRun processCheckRun_;
    QueuedRun dueCallCheckRun_;
};

// The one tray window; null before Abrir creates it and after Abrir frees it.
extern TFrmGerenciadorExecutaveis* FrmGerenciadorExecutaveis;

// Asks for the supervisor password until it is right (True) or the box is cancelled (False).
bool VerificarSenhaSupervisor(const std::string& pMsg, const Clock& clock);
