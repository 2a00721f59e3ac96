#include <QLineEdit>
#include <QTest>

#include "platform/fake/FakePlatform.h"
#include "shell/Formats.h"
#include "shell/uFrmGerenciador.h"
#include "shell/uFuncoesSenhaZelko.h"
#include "support/ModalAnswers.h"

namespace {

const TDateTime kTenFiftyNine = EncodeDate(2024, 7, 9) + EncodeTime(10, 59, 30, 0);
const TDateTime kEleven = EncodeDate(2024, 7, 9) + EncodeTime(11, 0, 0, 0);
const QString kSenhaDez = QStringLiteral("EF437F");
const QString kSenhaOnze = QStringLiteral("1A531A");
const QString kCancel = QStringLiteral("<cancel>");
const QString kWrong = QStringLiteral("Senha incorreta! Supervisor");

}  // namespace

class VerificarSenhaTest : public QObject {
    Q_OBJECT

private slots:
    void init() { AppFormats() = FormatSettings{}; }

    void answers_data() {
        QTest::addColumn<QString>("pMsg");
        QTest::addColumn<QStringList>("entries");  // each typed and confirmed, or kCancel
        QTest::addColumn<bool>("expected");
        QTest::addColumn<QStringList>("captions");
        const QString msg = QStringLiteral("Informe a senha de Supervisor");
        QTest::newRow("cancel") << msg << QStringList{kCancel} << false << QStringList{msg};
        QTest::newRow("right") << msg << QStringList{kSenhaDez} << true << QStringList{msg};
        QTest::newRow("lower case")
            << msg << QStringList{kSenhaDez.toLower()} << true << QStringList{msg};
        QTest::newRow("two wrong then cancel") << msg << QStringList{"000000", "ABCDEF", kCancel}
                                               << false << QStringList{msg, kWrong, kWrong};
        QTest::newRow("wrong then right")
            << msg << QStringList{"x", kSenhaDez} << true << QStringList{msg, kWrong};
        QTest::newRow("leading blank")
            << msg << QStringList{" " + kSenhaDez, kCancel} << false << QStringList{msg, kWrong};
        QTest::newRow("trailing blank")
            << msg << QStringList{kSenhaDez + " ", kCancel} << false << QStringList{msg, kWrong};
        QTest::newRow("empty entry")
            << msg << QStringList{"", kCancel} << false << QStringList{msg, kWrong};
        QTest::newRow("blank caption")
            << "   " << QStringList{kCancel} << false << QStringList{"Informe senha de Supervisor"};
    }
    void answers() {
        QFETCH(QString, pMsg);
        QFETCH(QStringList, entries);
        QFETCH(bool, expected);
        QFETCH(QStringList, captions);
        MockClock clock(kTenFiftyNine);
        ModalAnswers answers;
        for (const QString& entry : entries)
            answers.then(entry == kCancel ? ModalAnswers::cancel() : ModalAnswers::type(entry));
        QCOMPARE(VerificarSenhaSupervisor(pMsg.toStdString(), clock), expected);
        QCOMPARE(answers.pending(), 0);
        QCOMPARE(answers.titles, captions);
    }

    void passwordIsTakenAtTheMomentOfOk_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("expected");
        QTest::newRow("eleven o'clock password") << kSenhaOnze << true;
        QTest::newRow("ten o'clock password") << kSenhaDez << false;
    }
    void passwordIsTakenAtTheMomentOfOk() {
        QFETCH(QString, typed);
        QFETCH(bool, expected);
        MockClock clock(kTenFiftyNine);
        ModalAnswers answers;
        answers.then([&](QWidget* w) {
            clock.Set(kEleven);
            ModalAnswers::type(typed)(w);
        });
        if (!expected) answers.then(ModalAnswers::cancel());
        QCOMPARE(VerificarSenhaSupervisor("Informe a senha de Supervisor", clock), expected);
    }

    void boxMasksAndLimitsTheEntry() {
        MockClock clock(kTenFiftyNine);
        ModalAnswers answers;
        answers.then([](QWidget* w) {
            auto* edit = w->findChild<QLineEdit*>();
            QVERIFY(edit);
            QCOMPARE(edit->echoMode(), QLineEdit::Password);
            QCOMPARE(edit->maxLength(), 255);
            QVERIFY(edit->text().isEmpty());
            QVERIFY(w->isModal());
            ModalAnswers::cancel()(w);
        });
        QVERIFY(!VerificarSenhaSupervisor("Informe a senha de Supervisor", clock));
    }

    void firstOkSwitchesTheShortDateFormat() {
        AppFormats().ShortDateFormat = "dd/mm/yyyy";
        MockClock clock(kTenFiftyNine);
        ModalAnswers answers;
        answers.then(ModalAnswers::cancel());
        VerificarSenhaSupervisor("x", clock);
        QCOMPARE(AppFormats().ShortDateFormat, std::string("dd/mm/yyyy"));
        answers.then(ModalAnswers::type("wrong")).then(ModalAnswers::cancel());
        VerificarSenhaSupervisor("x", clock);
        QCOMPARE(AppFormats().ShortDateFormat, std::string("dd/mm/yy"));
    }

    void visibleTrayWindowPassesWithoutABox() {
        platform::FakePlatform fake;
        MockClock clock(kTenFiftyNine);
        TFrmGerenciadorExecutaveis window(fake, clock, true);
        FrmGerenciadorExecutaveis = &window;
        window.show();
        QVERIFY(VerificarSenhaSupervisor("x", clock));
        QCOMPARE(AppFormats().ShortDateFormat, FormatSettings{}.ShortDateFormat);
        FrmGerenciadorExecutaveis = nullptr;
    }
};

QTEST_MAIN(VerificarSenhaTest)
#include "VerificarSenhaTest.moc"
