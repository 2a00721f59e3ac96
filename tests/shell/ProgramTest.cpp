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
#include "support/TempFolder.h"

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

    void anUnreadableWakeupFileEndsTheStartWithOne() {
        TempFolder folder;
        folder.write("despertar.xml", "<?xml version=\"1.0\"?><DATAPACKET><METADATA>");
        platform::FakePlatform fake;
        fake.exePath = folder.file("tresmon");
        MockClock clock(kAgora);
        ModalAnswers answers;
        bool trayGoneBeforeTheBox = false;
        answers.then([&](QWidget* box) {
            trayGoneBeforeTheBox = FrmGerenciadorExecutaveis == nullptr &&
                                   !fake.lockHeld("TFrmGerenciadorExecutaveis");
            ModalAnswers::click(QMessageBox::Ok)(box);
        });
        QCOMPARE(RunProgram(fake, clock), 1);
        QCOMPARE(answers.texts.size(), 1);
        QVERIFY2(answers.texts[0].startsWith("O arquivo " + QString::fromStdString(folder.path())),
                 qPrintable(answers.texts[0]));
        QVERIFY(answers.texts[0].contains("não pôde ser lido como pacote de dados"));
        QVERIFY(trayGoneBeforeTheBox);
        QCOMPARE(folder.read("despertar.xml"),
                 std::string("<?xml version=\"1.0\"?><DATAPACKET><METADATA>"));
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
