#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "shell/ErrorBox.h"
#include "shell/uFuncao.h"
#include "support/ModalAnswers.h"

class MsgBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void msgConfirma_data() {
        QTest::addColumn<int>("focus");   // button given the focus first, 0 for none
        QTest::addColumn<int>("key");     // key pressed on the focused widget, 0 for none
        QTest::addColumn<int>("button");  // clicked afterwards, 0 for none
        QTest::addColumn<bool>("expected");
        QTest::newRow("Yes button") << 0 << 0 << int(QMessageBox::Yes) << true;
        QTest::newRow("No button") << 0 << 0 << int(QMessageBox::No) << false;
        QTest::newRow("Enter on a fresh box") << 0 << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("Enter with the focus on No")
            << int(QMessageBox::No) << int(Qt::Key_Return) << 0 << false;
        QTest::newRow("Escape does nothing")
            << 0 << int(Qt::Key_Escape) << int(QMessageBox::No) << false;
    }
    void msgConfirma() {
        QFETCH(int, focus);
        QFETCH(int, key);
        QFETCH(int, button);
        QFETCH(bool, expected);
        ModalAnswers answers;
        answers.then([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Question);
            QVERIFY(box->defaultButton() == box->button(QMessageBox::Yes));
            QWidget* target = box;
            if (focus != 0) {
                target = box->button(QMessageBox::StandardButton(focus));
                target->setFocus();
            }
            if (key != 0) QTest::keyClick(target, Qt::Key(key));
            if (button != 0) {
                QVERIFY2(box->isVisible(), "the key alone must not have closed the box");
                box->button(QMessageBox::StandardButton(button))->click();
            }
        });
        QCOMPARE(TFuncao::MsgConfirma("Deseja realmente excluir o registro selecionado?"),
                 expected);
        QCOMPARE(answers.titles, QStringList{QStringLiteral("Confirmação!")});
        QCOMPARE(answers.texts.first(),
                 QStringLiteral("Deseja realmente excluir o registro selecionado?"));
    }

    void msgConfirmaIgnoresTheCloseButton() {
        ModalAnswers answers;
        answers.then([](QWidget* w) {
            w->close();
            QVERIFY(w->isVisible());
            qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
        });
        QVERIFY(TFuncao::MsgConfirma("?"));
    }

    void msgAtencao_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("OK") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("Escape") << 2;
        QTest::newRow("close button") << 3;
    }
    void msgAtencao() {
        QFETCH(int, how);
        ModalAnswers answers;
        answers.then([how](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            switch (how) {
                case 0:
                    box->button(QMessageBox::Ok)->click();
                    break;
                case 1:
                    QTest::keyClick(box, Qt::Key_Return);
                    break;
                case 2:
                    QTest::keyClick(box, Qt::Key_Escape);
                    break;
                default:
                    box->close();
                    break;
            }
        });
        TFuncao::MsgAtencao("Informe uma data ou horário maior ou igual ao atual!", "Atenção!");
        QCOMPARE(answers.pending(), 0);
        QCOMPARE(answers.titles, QStringList{QStringLiteral("Atenção!")});
    }

    void timersKeepRunningUnderABox() {
        int ticks = 0;
        QTimer timer;
        timer.setInterval(10);
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start();
        ModalAnswers answers;
        answers.then([&](QWidget* w) {
            QTRY_VERIFY(ticks >= 3);
            qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
        });
        TFuncao::MsgAtencao("texto", "título");
    }

    void errorBoxAddsAFullStopAndUsesTheApplicationTitle_data() {
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Unable to write to /x/setup.ini"
                               << "Unable to write to /x/setup.ini.";
        QTest::newRow("already ends with a stop") << "Falhou."
                                                  << "Falhou.";
    }
    void errorBoxAddsAFullStopAndUsesTheApplicationTitle() {
        QFETCH(QString, error);
        QFETCH(QString, shown);
        ModalAnswers answers;
        answers.then([](QWidget* w) {
            QCOMPARE(qobject_cast<QMessageBox*>(w)->icon(), QMessageBox::Critical);
            ModalAnswers::click(QMessageBox::Ok)(w);
        });
        RunGuarded([&] { throw std::runtime_error(error.toStdString()); });
        QCOMPARE(answers.texts, QStringList{shown});
        QCOMPARE(answers.titles, QStringList{QApplication::applicationDisplayName()});
    }
};

QTEST_MAIN(MsgBoxesTest)
#include "MsgBoxesTest.moc"
