#include "shell/uFrmGerenciador.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "shell/AppIcon.h"
#include "shell/ErrorBox.h"
#include "shell/Formats.h"
#include "shell/ModalWindows.h"
#include "wakeup/WakeupTable.h"
#include "wakeup/uFrmCadDespertador.h"
#include "watchdog/uFrmCadProcesso.h"

TFrmGerenciadorExecutaveis* FrmGerenciadorExecutaveis = nullptr;

namespace {

constexpr int cIntervaloAbrirExecutavel = 30000;
constexpr int cIntervaloDespertador = 12000;
const char* const cMarcaInstancia = "TFrmGerenciadorExecutaveis";

}  // namespace

TFrmGerenciadorExecutaveis::TFrmGerenciadorExecutaveis(platform::Platform& platform,
                                                       const Clock& clock, bool trayAvailable,
                                                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      platform_(platform),
      clock_(clock),
      trayAvailable_(trayAvailable),
      processCheck_(platform, clock),
      alertUi_(platform, this),
      dueCallCheck_(platform, clock, alertUi_, clock.Now()),
      processCheckRun_(this, [this] { RunGuarded([this] { ProgramaAberto(); }); }),
      dueCallCheckRun_(this, [this] { RunGuarded([this] { VerificarDespertador(); }); }) {
    BuildLayout();
    BuildTray();

    tmAbrirExecutavel = new QTimer(this);
    tmAbrirExecutavel->setInterval(cIntervaloAbrirExecutavel);
    connect(tmAbrirExecutavel, &QTimer::timeout, this,
            &TFrmGerenciadorExecutaveis::tmAbrirExecutavelTimer);
    tmDespertador = new QTimer(this);
    tmDespertador->setInterval(cIntervaloDespertador);
    connect(tmDespertador, &QTimer::timeout, this, &TFrmGerenciadorExecutaveis::tmDespertadorTimer);

    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            &TFrmGerenciadorExecutaveis::FocusWindowChanged);

    SetModalRoot(this);
    FormCreate();
    tmAbrirExecutavel->start();
    tmDespertador->start();
}

// FormDestroy: the wake-up call table goes with the window, unsaved.
TFrmGerenciadorExecutaveis::~TFrmGerenciadorExecutaveis() = default;

void TFrmGerenciadorExecutaveis::BuildLayout() {
    setWindowTitle(QStringLiteral("Gerencia de Aplicativos ZELKO"));
    setWindowIcon(AppIcon());
    setFixedSize(344, 221);
    QFont fonte(QStringLiteral("Roboto"));
    fonte.setPixelSize(13);
    setFont(fonte);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    pnlFundo = new QFrame(this);
    pnlFundo->setFrameShape(QFrame::NoFrame);
    auto* fundo = new QVBoxLayout(this);
    fundo->setContentsMargins(0, 0, 0, 0);
    fundo->addWidget(pnlFundo);

    memLog = new QPlainTextEdit(pnlFundo);
    memLog->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (!trayAvailable_) memLog->setContextMenuPolicy(Qt::NoContextMenu);
    auto* margem = new QVBoxLayout(pnlFundo);
    margem->setContentsMargins(10, 10, 10, 10);
    margem->addWidget(memLog);
}

void TFrmGerenciadorExecutaveis::BuildTray() {
    popMenuBandeja = new QMenu(this);
    Despertador = popMenuBandeja->addAction(QStringLiteral("&Despertador"));
    ListadeProcessos1 = popMenuBandeja->addAction(QStringLiteral("&Lista de Processos"));
    N1 = popMenuBandeja->addSeparator();
    Sair = popMenuBandeja->addAction(QStringLiteral("&Sair"));
    connect(Despertador, &QAction::triggered, this, &TFrmGerenciadorExecutaveis::DespertadorClick);
    connect(ListadeProcessos1, &QAction::triggered, this,
            &TFrmGerenciadorExecutaveis::ListadeProcessos1Click);
    connect(Sair, &QAction::triggered, this, &TFrmGerenciadorExecutaveis::SairClick);

    TrayIcon = new QSystemTrayIcon(AppIcon(), this);
    TrayIcon->setToolTip(QStringLiteral("Gerente de Aplicativos ZELKO"));
    TrayIcon->setContextMenu(popMenuBandeja);
    connect(TrayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick) TrayIconDblClick();
            });
    if (trayAvailable_) TrayIcon->show();
}

bool TFrmGerenciadorExecutaveis::JaAberto(platform::Platform& platform,
                                          std::unique_ptr<platform::InstanceLock>& marker) {
    marker = platform.acquireInstanceLock(cMarcaInstancia);
    return marker == nullptr;
}

void TFrmGerenciadorExecutaveis::Abrir(platform::Platform& platform, const Clock& clock) {
    std::unique_ptr<platform::InstanceLock> marker;
    if (JaAberto(platform, marker)) return;
    if (FrmGerenciadorExecutaveis == nullptr)
        FrmGerenciadorExecutaveis = new TFrmGerenciadorExecutaveis(
            platform, clock, QSystemTrayIcon::isSystemTrayAvailable());
    std::unique_ptr<TFrmGerenciadorExecutaveis> janela(FrmGerenciadorExecutaveis);
    struct ClearGlobal {
        ~ClearGlobal() { FrmGerenciadorExecutaveis = nullptr; }
    } clearFirst;  // declared after `janela`, so the global is cleared before the window goes
    janela->CriarCDSDespertador();
    janela->ShowModal();
}

void TFrmGerenciadorExecutaveis::ShowModal() {
    QEventLoop loop;
    modalLoop_ = &loop;
    FFechar = false;
    setWindowModality(Qt::ApplicationModal);
    show();
    FormActivate();  // the loop starts with this window active
    loop.exec();
    modalLoop_ = nullptr;
}

void TFrmGerenciadorExecutaveis::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (const QScreen* tela = screen()) move(tela->availableGeometry().center() - rect().center());
}

void TFrmGerenciadorExecutaveis::FormCreate() {
    RunGuarded([this] { AppendLog("Gerenciador iniciado " + DateTimeToStr(clock_.Now())); });
}

void TFrmGerenciadorExecutaveis::FormActivate() {
    RunGuarded([this] {
        if (trayAvailable_) hide();
    });
}

// Focus passing to this window from another of the program's open windows counts as an
// activation; a window that just closed, or this window being shown from the tray, does not.
void TFrmGerenciadorExecutaveis::FocusWindowChanged(QWindow* now) {
    QWindow* previous = previousFocus_;
    previousFocus_ = now;
    if (now != nullptr && now == windowHandle() && previous != nullptr && previous != now &&
        previous->isVisible())
        FormActivate();
}

void TFrmGerenciadorExecutaveis::closeEvent(QCloseEvent* event) {
    RunGuarded([&] {
        if (!FFechar) event->ignore();
        if (trayAvailable_) {
            hide();
            TrayIcon->show();
        }
        if (FFechar) {
            event->accept();
            if (modalLoop_) modalLoop_->exit(0);
        }
    });
}

void TFrmGerenciadorExecutaveis::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) appEventosMinimize();
}

void TFrmGerenciadorExecutaveis::appEventosMinimize() {
    RunGuarded([this] {
        if (!trayAvailable_) return;
        hide();
        setWindowState(windowState() | Qt::WindowMinimized);
        TrayIcon->show();
    });
}

void TFrmGerenciadorExecutaveis::contextMenuEvent(QContextMenuEvent* event) {
    if (trayAvailable_) return QWidget::contextMenuEvent(event);
    popMenuBandeja->exec(event->globalPos());
}

void TFrmGerenciadorExecutaveis::TrayIconDblClick() {
    RunGuarded([this] {
        show();
        setWindowState(windowState() & ~Qt::WindowMinimized);
        TrayIcon->hide();
        raise();
        activateWindow();
    });
}

void TFrmGerenciadorExecutaveis::SairClick() {
    RunGuarded([this] {
        FFechar = VerificarSenhaSupervisor("Informe a senha de Supervisor", clock_);
        close();
    });
}

void TFrmGerenciadorExecutaveis::DespertadorClick() {
    RunGuarded([this] {
        if (cdsDespertador) TFrmCadDespertador::Abrir(*cdsDespertador, platform_, clock_);
    });
}

void TFrmGerenciadorExecutaveis::ListadeProcessos1Click() {
    RunGuarded([this] { TFrmCadProcesso::Abrir(platform_); });
}

void TFrmGerenciadorExecutaveis::tmAbrirExecutavelTimer() {
    processCheckRun_.Request();
}

void TFrmGerenciadorExecutaveis::tmDespertadorTimer() {
    dueCallCheckRun_.Request();
}

void TFrmGerenciadorExecutaveis::ProgramaAberto() {
    for (const std::string& linha : processCheck_.ProgramaAberto()) AppendLog(linha);
}

void TFrmGerenciadorExecutaveis::VerificarDespertador() {
    if (cdsDespertador) dueCallCheck_.VerificarDespertador(*cdsDespertador);
}

void TFrmGerenciadorExecutaveis::CriarCDSDespertador() {
    ::CriarCDSDespertador(cdsDespertador, platform_);
}

void TFrmGerenciadorExecutaveis::AppendLog(const std::string& linha) {
    memLog->appendPlainText(QString::fromStdString(linha));
}
