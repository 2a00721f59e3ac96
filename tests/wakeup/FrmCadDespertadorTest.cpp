#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "platform/fake/FakePlatform.h"
#include "shell/Formats.h"
#include "support/ModalAnswers.h"
#include "support/TempFolder.h"
#include "wakeup/EditHora.h"
#include "wakeup/WakeupTable.h"
#include "wakeup/uFrmCadDespertador.h"

namespace {

const TDateTime kHoje = EncodeDate(2024, 5, 10);
const TDateTime kAgora = kHoje + EncodeTime(10, 0, 30, 0);

}  // namespace

class FrmCadDespertadorTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        AppFormats() = FormatSettings{};
        folder_ = std::make_unique<TempFolder>();
        fake_ = std::make_unique<platform::FakePlatform>();
        fake_->exePath = folder_->file("tresmon");
        cds_.reset();
        CriarCDSDespertador(cds_, *fake_);
        clock_.Set(kAgora);
    }
    void cleanup() {
        form_.reset();
        folder_.reset();
    }

    void emptyTableShowsOneEmptyRow() {
        Open();
        QCOMPARE(form_->windowTitle(), QStringLiteral("Despertador"));
        QCOMPARE(Rows(), 1);
        QVERIFY(form_->Grid->isColumnHidden(cCOL_CODIGO));
        QCOMPARE(form_->Grid->model()->headerData(cCOL_PLACAVEICULO, Qt::Horizontal).toString(),
                 QStringLiteral("Placa Veículo"));
        SetCurrent(0);
        form_->popMenuGridPopup();
        QVERIFY(!form_->Editar->isEnabled());
        QVERIFY(!form_->Excluir->isEnabled());
        QVERIFY(form_->RemoverUltrapassados->isEnabled());
        QCOMPARE(form_->dtpData->date(), QDate(2024, 5, 10));
        QCOMPARE(form_->mskHora->displayText(), QStringLiteral("10:00"));
        QCOMPARE(form_->mskHora->Hora(), EncodeTime(9, 53, 48, 0));
    }

    void addingACall() {
        Open();
        form_->mskHora->setText("10:00");  // the current minute is accepted
        QTest::keyClicks(form_->edtApto, "suite 3");
        QTest::keyClicks(form_->edtObs, "caf");
        QTest::sendKeyEvent(QTest::Click, form_->edtObs, Qt::Key_unknown, QStringLiteral("é"),
                            Qt::NoModifier);
        form_->btnIncluir->click();
        QCOMPARE(Rows(), 1);
        QCOMPARE(Cell(0, cCOL_APTO), QStringLiteral("SUITE 3"));
        QCOMPARE(Cell(0, cCOL_OBS), QStringLiteral("CAFÉ"));
        QCOMPARE(Cell(0, cCOL_HORA), QStringLiteral("10:00"));
        QCOMPARE(Cell(0, cCOL_CODIGO), QStringLiteral("1"));
        QVERIFY(form_->edtApto->text().isEmpty());
        QCOMPARE(fake_->filesReplaced, 1);
        QVERIFY(folder_->read("despertar.xml").find("DesApto=\"SUITE 3\"") != std::string::npos);

        // Later calls go into their place in date and time order: last, then in between.
        const struct {
            QDate date;
            const char* time;
            const char* apto;
        } more[] = {{QDate(2024, 5, 11), "08:00", "B"}, {QDate(2024, 5, 10), "10:05", "A"}};
        for (const auto& call : more) {
            form_->dtpData->setDate(call.date);
            form_->mskHora->setText(call.time);
            QTest::keyClicks(form_->edtApto, call.apto);
            form_->btnIncluir->click();
            CheckMirrorsTable();
        }
        QCOMPARE(Cell(1, cCOL_APTO), QStringLiteral("A"));
    }

    void refusedMoments_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("focus");
        QTest::newRow("a minute ago") << QDate(2024, 5, 10) << "09:59"
                                      << "mskHora";
        QTest::newRow("yesterday") << QDate(2024, 5, 9) << "23:00"
                                   << "dtpData";
    }
    void refusedMoments() {
        QFETCH(QDate, date);
        QFETCH(QString, time);
        QFETCH(QString, focus);
        Open();
        form_->dtpData->setDate(date);
        form_->mskHora->setText(time);
        ModalAnswers answers;
        answers.then(ModalAnswers::click(QMessageBox::Ok));
        form_->btnIncluir->click();
        QCOMPARE(answers.titles, QStringList{"Atenção!"});
        QCOMPARE(answers.texts,
                 QStringList{"Informe uma data ou horário maior ou igual ao atual!"});
        QCOMPARE(cds_->RecordCount(), 0);
        QCOMPARE(fake_->filesReplaced, 0);
        QWidget* expected = focus == "mskHora" ? static_cast<QWidget*>(form_->mskHora)
                                               : static_cast<QWidget*>(form_->dtpData);
        QTRY_COMPARE(form_->focusWidget(), expected);
    }

    void acceleratorWithAnInvalidTimeWritesNothing() {
        Open();
        ShowActive();
        form_->mskHora->setFocus();
        QTRY_VERIFY(form_->mskHora->hasFocus());
        form_->mskHora->setText("25:00");
        ModalAnswers answers;
        answers.then(ModalAnswers::click(QMessageBox::Ok));
        // The accelerator presses the button without taking the focus from the field.
        QCOMPARE(form_->btnIncluir->shortcut(), QKeySequence(QStringLiteral("Alt+I")));
        form_->btnIncluir->click();
        QVERIFY(form_->mskHora->hasFocus() || form_->focusWidget() == form_->mskHora);
        QCOMPARE(answers.texts, QStringList{"Hora inválida."});
        QCOMPARE(cds_->RecordCount(), 0);
    }

    void editingHidesTheRowThenSavesItPending() {
        AddCalls();
        Open();
        SetCurrent(1);
        ModalAnswers answers;
        answers.then(ModalAnswers::click(QMessageBox::Yes));
        form_->Editar->trigger();
        QCOMPARE(answers.texts, QStringList{"Deseja realmente editar o registro selecionado?"});
        QCOMPARE(form_->Modo(), taEditar);
        QCOMPARE(Rows(), 2);
        QCOMPARE(Cell(1, cCOL_APTO), QStringLiteral("C"));  // row 3 moved up
        QCOMPARE(form_->edtApto->text(), QStringLiteral("B"));
        QCOMPARE(form_->mskHora->displayText(), QStringLiteral("12:00"));

        form_->mskHora->setText("13:00");
        form_->btnIncluir->click();
        QCOMPARE(form_->Modo(), taIncluir);
        QCOMPARE(Rows(), 3);
        CheckMirrorsTable();
        cds_->SetIndexName("OrdenarCodigodx");
        QVERIFY(cds_->FindKey({std::int32_t{2}}));
        QCOMPARE(cds_->FieldByName("DesHora").AsDateTime(), EncodeTime(13, 0, 0, 0));
        QCOMPARE(cds_->FieldByName("DesStatus").AsInteger(), 0);
    }

    void closingDuringAnEditChangesNothing() {
        AddCalls();
        Open();
        SetCurrent(0);
        ModalAnswers answers;
        answers.then(ModalAnswers::click(QMessageBox::Yes));
        form_->Editar->trigger();
        const int saves = fake_->filesReplaced;
        form_.reset();
        QCOMPARE(fake_->filesReplaced, saves);
        QCOMPARE(cds_->RecordCount(), 3);
    }

    void deleting_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("left");
        QTest::newRow("yes") << int(QMessageBox::Yes) << 2;
        QTest::newRow("no") << int(QMessageBox::No) << 3;
    }
    void deleting() {
        QFETCH(int, answer);
        QFETCH(int, left);
        AddCalls();
        Open();
        SetCurrent(0);
        ModalAnswers answers;
        answers.then(ModalAnswers::click(answer));
        form_->Excluir->trigger();
        QCOMPARE(answers.texts, QStringList{"Deseja realmente excluir o registro selecionado?"});
        QCOMPARE(cds_->RecordCount(), left);
        QCOMPARE(Rows(), left);
        CheckMirrorsTable();
    }

    void purging_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("saves");
        QTest::addColumn<int>("rows");
        QTest::newRow("yes saves once") << int(QMessageBox::Yes) << 1 << 3;
        QTest::newRow("no reloads all the same") << int(QMessageBox::No) << 0 << 5;
    }
    void purging() {
        QFETCH(int, answer);
        QFETCH(int, saves);
        QFETCH(int, rows);
        AddCalls();
        Add(kHoje - 1, "23:00", "ONTEM");
        Add(kHoje, "09:59", "ANTES");
        Open();
        // An edit hides the last row (C); the reload after the purge brings it back.
        SetCurrent(Rows() - 1);
        ModalAnswers answers;
        answers.then(ModalAnswers::click(QMessageBox::Yes)).then(ModalAnswers::click(answer));
        form_->Editar->trigger();
        const int before = fake_->filesReplaced;
        form_->RemoverUltrapassados->trigger();
        QCOMPARE(answers.texts.last(),
                 QStringLiteral("Deseja realmente excluir os registros ultrapassados?"));
        QCOMPARE(fake_->filesReplaced - before, saves);
        QCOMPARE(Rows(), rows);
        CheckMirrorsTable();
        QCOMPARE(Cell(rows - 1, cCOL_APTO), QStringLiteral("C"));
    }

    void pastRowsAreDrawnRed() {
        Add(kHoje - 1, "23:00", "ONTEM");
        Add(kHoje, "09:59", "ANTES");
        Add(kHoje, "10:00", "AGORA");
        Open();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        const QImage image = form_->Grid->viewport()->grab().toImage();
        const bool red[] = {true, true, false};
        for (int row = 0; row < 3; ++row) {
            QVERIFY(form_->LinhaPassada(row) == red[row]);
            const QRect rect = form_->Grid->visualRect(form_->Grid->model()->index(row, cCOL_APTO));
            QCOMPARE(HasRed(image, rect), red[row]);
        }
    }

    void enterMovesAlongTheTabOrder() {
        Open();
        ShowActive();
        const QList<QWidget*> order = {form_->dtpData,         form_->mskHora, form_->edtApto,
                                       form_->edtPlacaVeiculo, form_->edtObs,  form_->btnIncluir};
        form_->dtpData->setFocus();
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTRY_COMPARE(QApplication::focusWidget(), order[i]);
        }
        QCOMPARE(cds_->RecordCount(), 0);  // Enter in the notes did not press the button
    }

    void aSecondOpeningBringsTheOpenEditorForward() {
        int editors = 0;
        QTimer::singleShot(0, [&] {
            TFrmCadDespertador* first = FrmCadDespertador;
            QVERIFY(first);
            TFrmCadDespertador::Abrir(*cds_, *fake_, clock_);  // returns at once
            QCOMPARE(FrmCadDespertador, first);
            for (QWidget* w : QApplication::topLevelWidgets())
                editors += qobject_cast<TFrmCadDespertador*>(w) != nullptr;
            first->close();
        });
        TFrmCadDespertador::Abrir(*cds_, *fake_, clock_);
        QCOMPARE(editors, 1);
        QCOMPARE(FrmCadDespertador, nullptr);
    }

    void datesReadBackIgnoreAFormatChange() {
        Add(kHoje + 1, "08:00", "A");
        Open();
        AppFormats().ShortDateFormat = "dd/mm/yy";
        SetCurrent(0);
        ModalAnswers answers;
        answers.then(ModalAnswers::click(QMessageBox::Yes));
        form_->Editar->trigger();
        QCOMPARE(form_->dtpData->date(), QDate(2024, 5, 11));
    }

private:
    void ShowActive() {
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void Open() {
        form_ = std::make_unique<TFrmCadDespertador>(*cds_, *fake_, clock_);
        form_->Preparar();
    }
    void Add(TDateTime data, const char* hora, const char* apto) {
        IncluirRegistro(*cds_, *fake_, {data, hora, apto, "", ""});
    }
    void AddCalls() {
        Add(kHoje, "11:00", "A");
        Add(kHoje, "12:00", "B");
        Add(kHoje + 1, "07:00", "C");
    }
    QString Cell(int row, int col) const {
        return form_->Grid->model()->index(row, col).data().toString();
    }
    int Rows() const { return form_->Grid->model()->rowCount(); }
    void SetCurrent(int row) {
        form_->Grid->setCurrentIndex(form_->Grid->model()->index(row, cCOL_DATA));
    }
    // The grid shows exactly what a reload from the table would show.
    void CheckMirrorsTable() {
        const std::vector<LinhaGrid> fromTable = CarregarGrid(*cds_);
        QCOMPARE(int(form_->Linhas().size()), int(fromTable.size()));
        for (std::size_t r = 0; r < fromTable.size(); ++r) {
            QCOMPARE(form_->Linhas()[r].codigo, fromTable[r].codigo);
            QCOMPARE(Cell(int(r), cCOL_CODIGO).toStdString(), fromTable[r].codigo);
            QCOMPARE(Cell(int(r), cCOL_OBS).toStdString(), fromTable[r].obs);
        }
    }
    static bool HasRed(const QImage& image, const QRect& rect) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80) return true;
            }
        return false;
    }

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<platform::FakePlatform> fake_;
    std::unique_ptr<TClientDataSet> cds_;
    MockClock clock_;
    std::unique_ptr<TFrmCadDespertador> form_;
};

QTEST_MAIN(FrmCadDespertadorTest)
#include "FrmCadDespertadorTest.moc"
