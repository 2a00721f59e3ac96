#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "platform/fake/FakePlatform.h"
#include "shell/Formats.h"
#include "shell/Program.h"
#include "shell/uFrmGerenciador.h"
#include "support/ModalAnswers.h"

namespace {

const TDateTime kAgora = EncodeDate(2024, 12, 9) + EncodeTime(14, 30, 5, 0);

class ThrowingPlatform : public platform::FakePlatform {
public:
    std::unique_ptr<platform::InstanceLock> acquireInstanceLock(const std::string&) override {
        throw std::runtime_error("Falha simulada na partida");
    }
};

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondStartEndsSilentlyWithZero() {
        platform::FakePlatform fake;
        MockClock clock(kAgora);
        auto held = fake.acquireInstanceLock("TFrmGerenciadorExecutaveis");
        ModalAnswers answers;
        QCOMPARE(RunProgram(fake, clock), 0);
        QCOMPARE(FrmGerenciadorExecutaveis, nullptr);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        QVERIFY(answers.titles.isEmpty());
    }

    void anErrorAtStartShowsTheErrorBoxAndGivesOne() {
        ThrowingPlatform fake;
        MockClock clock(kAgora);
        ModalAnswers answers;
        answers.then(ModalAnswers::click(QMessageBox::Ok));
        QCOMPARE(RunProgram(fake, clock), 1);
        QCOMPARE(answers.texts, QStringList{"Falha simulada na partida."});
        QCOMPARE(FrmGerenciadorExecutaveis, nullptr);
    }

    void aWholeRunUsesTheRegionalFormatsAndEndsWithThePassword() {
        platform::FakePlatform fake;
        fake.formats.shortDate = "yyyy/mm/dd";
        fake.formats.dateSeparator = '-';
        MockClock clock(kAgora);
        QString log;
        bool lockHeldWhileRunning = false;
        QTimer::singleShot(0, [&] {
            QVERIFY(FrmGerenciadorExecutaveis);
            log = FrmGerenciadorExecutaveis->memLog->toPlainText();
            lockHeldWhileRunning = fake.lockHeld("TFrmGerenciadorExecutaveis");
            ModalAnswers answers;
            answers.then(ModalAnswers::type("A36383"));
            FrmGerenciadorExecutaveis->Sair->trigger();
        });
        QCOMPARE(RunProgram(fake, clock), 0);
        QCOMPARE(log, QStringLiteral("Gerenciador iniciado 2024-12-09 14:30:05"));
        QVERIFY(lockHeldWhileRunning);
        QVERIFY(!fake.lockHeld("TFrmGerenciadorExecutaveis"));
        QCOMPARE(FrmGerenciadorExecutaveis, nullptr);
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
