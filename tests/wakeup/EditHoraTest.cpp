#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QVBoxLayout>

#include "shell/Formats.h"
#include "support/ModalAnswers.h"
#include "wakeup/EditHora.h"

namespace {

const TDateTime k095348 = EncodeTime(9, 53, 48, 0);

}  // namespace

class EditHoraTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        AppFormats() = FormatSettings{};
        window_ = new QWidget;
        auto* layout = new QVBoxLayout(window_);
        field_ = new TEditHora(window_);
        other_ = new QLineEdit(window_);
        layout->addWidget(field_);
        layout->addWidget(other_);
        field_->SetafHora(k095348);
        window_->show();
        QApplication::setActiveWindow(window_);
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup() { delete window_; }

    void leavingTheField_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("hora");
        QTest::addColumn<bool>("refused");
        QTest::newRow("all blank") << ""
                                   << "09:53" << k095348 << false;
        QTest::newRow("first digits only") << "1 :3 "
                                           << "19:33" << EncodeTime(19, 33, 48, 0) << false;
        QTest::newRow("23:59") << "23:59"
                               << "23:59" << EncodeTime(23, 59, 48, 0) << false;
        QTest::newRow("24:00") << "24:00"
                               << "24:00" << k095348 << true;
        QTest::newRow("12:60") << "12:60"
                               << "12:60" << k095348 << true;
    }
    void leavingTheField() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(double, hora);
        QFETCH(bool, refused);
        field_->setFocus();
        field_->setText(typed);
        QCOMPARE(field_->Hora(), k095348);  // the text alone changes nothing
        ModalAnswers answers;
        if (refused) answers.then(ModalAnswers::click(QMessageBox::Ok));
        other_->setFocus();
        QCOMPARE(answers.pending(), 0);
        QCOMPARE(answers.titles, refused ? QStringList{"Erro"} : QStringList{});
        if (refused) QCOMPARE(answers.texts, QStringList{"Hora inválida."});
        QCOMPARE(field_->displayText(), shown);
        QCOMPARE(field_->Hora(), hora);
        QTRY_COMPARE(field_->hasFocus(), refused);
    }

    void aRefusedTimeCanBeCorrected() {
        field_->setFocus();
        field_->setText("12:60");
        ModalAnswers answers;
        answers.then(ModalAnswers::click(QMessageBox::Ok));
        other_->setFocus();
        QCOMPARE(field_->HoraTexto(), std::string("12:60:48"));
        QTRY_VERIFY(field_->hasFocus());
        field_->setText("12:59");
        other_->setFocus();
        QCOMPARE(field_->Hora(), EncodeTime(12, 59, 48, 0));
    }

    void formatTakesEffectAtTheNextAssignment() {
        field_->SetFormato("hh:nn:ss");
        QCOMPARE(field_->text(), QStringLiteral("09:53"));
        field_->setInputMask(QString());
        field_->SetafHora(EncodeTime(7, 15, 20, 0));
        QCOMPARE(field_->text(), QStringLiteral("07:15:20"));
    }

    void enteringPutsTheCaretFirstWithNothingSelected() {
        field_->setText("10:30");
        other_->setFocus();
        QTest::keyClick(other_, Qt::Key_Backtab);
        QTRY_VERIFY(field_->hasFocus());
        QTest::qWait(10);
        QCOMPARE(field_->cursorPosition(), 0);
        QVERIFY(!field_->hasSelectedText());
    }

private:
    QWidget* window_ = nullptr;
    TEditHora* field_ = nullptr;
    QLineEdit* other_ = nullptr;
};

QTEST_MAIN(EditHoraTest)
#include "EditHoraTest.moc"
