#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include "platform/fake/FakePlatform.h"
#include "shell/Formats.h"
#include "shell/uFrmGerenciador.h"
#include "shell/uFuncao.h"
#include "support/ModalAnswers.h"
#include "support/TempFolder.h"

namespace {

const TDateTime kAgora = EncodeDate(2024, 12, 9) + EncodeTime(14, 30, 5, 0);
const QString kSenhaAgora = QStringLiteral("A36383");  // 9 Dec, 14 h

}  // namespace

class FrmGerenciadorTest : public QObject {
    Q_OBJECT

private slots:
    void init() { AppFormats() = FormatSettings{}; }

    void layoutMenuAndTimers() {
        platform::FakePlatform fake;
        MockClock clock(kAgora);
        TFrmGerenciadorExecutaveis w(fake, clock, true);
        QCOMPARE(w.windowTitle(), QStringLiteral("Gerencia de Aplicativos ZELKO"));
        QCOMPARE(w.size(), QSize(344, 221));
        QCOMPARE(w.TrayIcon->toolTip(), QStringLiteral("Gerente de Aplicativos ZELKO"));
        QVERIFY(w.TrayIcon->isVisible());
        QVERIFY(!w.isVisible());
        QStringList entries;
        for (QAction* a : w.popMenuBandeja->actions())
            entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(entries, (QStringList{"&Despertador", "&Lista de Processos", "-", "&Sair"}));
        QVERIFY(w.tmAbrirExecutavel->isActive());
        QCOMPARE(w.tmAbrirExecutavel->interval(), 30000);
        QVERIFY(w.tmDespertador->isActive());
        QCOMPARE(w.tmDespertador->interval(), 12000);
    }

    void startLine_data() {
        QTest::addColumn<double>("moment");
        QTest::addColumn<QString>("line");
        QTest::newRow("afternoon") << kAgora << "Gerenciador iniciado 09/12/2024 14:30:05";
        QTest::newRow("midnight") << EncodeDate(2024, 12, 9) << "Gerenciador iniciado 09/12/2024";
    }
    void startLine() {
        QFETCH(double, moment);
        QFETCH(QString, line);
        platform::FakePlatform fake;
        MockClock clock(moment);
        TFrmGerenciadorExecutaveis w(fake, clock, true);
        QCOMPARE(w.memLog->toPlainText(), line);
    }

    // One run of the modal loop through the visibility rules, ending with the password.
    void modalLoopVisibilityAndExit() {
        platform::FakePlatform fake;
        MockClock clock(kAgora);
        TFrmGerenciadorExecutaveis w(fake, clock, true);
        FrmGerenciadorExecutaveis = &w;
        bool steps = false;
        QTimer::singleShot(0, [&] {
            QVERIFY(!w.isVisible());  // shown, then hidden at once
            QVERIFY(w.TrayIcon->isVisible());

            w.TrayIconDblClick();
            QVERIFY(w.isVisible());
            QVERIFY(!w.isMinimized());
            QVERIFY(!w.TrayIcon->isVisible());

            w.close();  // close button: refused, back to the tray
            QVERIFY(!w.isVisible());
            QVERIFY(w.TrayIcon->isVisible());

            w.TrayIconDblClick();
            w.setWindowState(Qt::WindowMinimized);
            QVERIFY(!w.isVisible());
            QVERIFY(w.TrayIcon->isVisible());

            ModalAnswers answers;
            answers.then(ModalAnswers::cancel());
            w.Sair->trigger();
            QCOMPARE(answers.titles, QStringList{"Informe a senha de Supervisor"});
            QVERIFY(!w.isVisible());
            QVERIFY(w.tmAbrirExecutavel->isActive());
            QVERIFY(w.tmDespertador->isActive());
            steps = true;

            answers.then(ModalAnswers::type("000000")).then(ModalAnswers::type(kSenhaAgora));
            w.Sair->trigger();  // the loop ends once this handler returns
        });
        w.ShowModal();
        FrmGerenciadorExecutaveis = nullptr;
        QVERIFY(steps);
        QCOMPARE(w.memLog->toPlainText().count('\n'), 0);
    }

    void exitChosenInsideAnotherBoxEndsAfterIt() {
        platform::FakePlatform fake;
        MockClock clock(kAgora);
        TFrmGerenciadorExecutaveis w(fake, clock, true);
        bool boxClosed = false;
        QTimer::singleShot(0, [&] {
            ModalAnswers answers;
            answers.then([&](QWidget* box) {
                ModalAnswers inner;
                inner.then(ModalAnswers::type(kSenhaAgora));
                w.Sair->trigger();  // nested inside the box's loop
                QVERIFY(box->isVisible());
                ModalAnswers::click(QMessageBox::Ok)(box);
            });
            TFuncao::MsgAtencao("alerta", "Despertar");
            boxClosed = true;
        });
        w.ShowModal();
        QVERIFY(boxClosed);
    }

    void watchdogTickAppendsItsLinesToTheLog() {
        TempFolder folder;
        folder.write("setup.ini", "[EXECUTAVEL]\r\nCAMINHOS=/opt/a/leitor|/opt/b/caixa\r\n");
        platform::FakePlatform fake;
        fake.exePath = folder.file("tresmon");
        fake.processes = std::vector<std::string>{"caixa"};
        MockClock clock(kAgora);
        TFrmGerenciadorExecutaveis w(fake, clock, true);
        w.tmAbrirExecutavelTimer();  // the pass runs from the event loop, after the tick
        QTRY_COMPARE(w.memLog->toPlainText(),
                     QStringLiteral("Gerenciador iniciado 09/12/2024 14:30:05\n"
                                    "leitor foi aberto 09/12/2024 14:30:05"));
        QCOMPARE(fake.opened.size(), size_t(1));
        QCOMPARE(fake.opened[0].folder, std::string("/opt/a/"));
    }

    void wakeupTickRingsADueCallAndSavesIt() {
        TempFolder folder;
        platform::FakePlatform fake;
        fake.exePath = folder.file("tresmon");
        MockClock clock(kAgora);
        TFrmGerenciadorExecutaveis w(fake, clock, true);
        w.CriarCDSDespertador();
        TClientDataSet& cds = *w.Table();
        cds.Insert();
        cds.FieldByName("DesCodigo").SetAsInteger(1);
        cds.FieldByName("DesData").SetAsDateTime(kAgora);
        cds.FieldByName("DesHora").SetAsDateTime(kAgora);
        cds.FieldByName("DesApto").SetAsString("305");
        cds.FieldByName("DesStatus").SetAsInteger(0);
        cds.Post();
        ModalAnswers answers;
        answers.then(ModalAnswers::click(QMessageBox::Ok));
        w.tmDespertadorTimer();
        QTRY_COMPARE(answers.titles, QStringList{"Despertar Apto 305"});
        QCOMPARE(answers.texts, QStringList{"Data e Hora: 09/12/2024 14:30 Obs.: "});
        QVERIFY(folder.read("despertar.xml").find("DesStatus=\"1\"") != std::string::npos);
    }

    void withoutANotificationAreaTheWindowStaysUsable() {
        platform::FakePlatform fake;
        MockClock clock(kAgora);
        TFrmGerenciadorExecutaveis w(fake, clock, false);
        FrmGerenciadorExecutaveis = &w;
        QTimer::singleShot(0, [&] {
            QVERIFY(w.isVisible());
            w.close();
            QVERIFY(w.isVisible());
            ModalAnswers answers;  // visible, yet the password is still asked
            answers.then(ModalAnswers::type(kSenhaAgora));
            w.Sair->trigger();
            QCOMPARE(answers.pending(), 0);
        });
        w.ShowModal();
        FrmGerenciadorExecutaveis = nullptr;
    }
};

QTEST_MAIN(FrmGerenciadorTest)
#include "FrmGerenciadorTest.moc"
