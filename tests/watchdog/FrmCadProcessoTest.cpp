#include <QAction>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>

#include "platform/fake/FakePlatform.h"
#include "support/ModalAnswers.h"
#include "support/TempFolder.h"
#include "watchdog/FileNameEdit.h"
#include "watchdog/uFrmCadProcesso.h"

using Rows = QStringList;

class FrmCadProcessoTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_ = std::make_unique<TempFolder>();
        fake_.exePath = folder_->file("tresmon");
    }
    void cleanup() {
        form_.reset();
        folder_.reset();
    }

    void openingWithoutSetupIni() {
        Open();
        QCOMPARE(form_->windowTitle(), QStringLiteral("Executáveis a serem monitorados"));
        QCOMPARE(Ini(), std::string("[EXECUTAVEL]\r\nCAMINHOS=\r\n"));
        QCOMPARE(GridRows(), Rows{""});
        form_->Grid->setCurrentCell(0, 0);
        form_->popMenuGridPopup();
        QVERIFY(!form_->popExcluir->isEnabled());
        Close();
        QCOMPARE(Ini(), std::string("[EXECUTAVEL]\r\nCAMINHOS=\r\n"));
    }

    void adding_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("written");
        QTest::newRow("to an empty list")
            << "" << QStringList{"/opt/a"} << Rows{"/opt/a"} << "/opt/a";
        QTest::newRow("twice") << "" << QStringList{"/opt/a", "/opt/a"} << Rows{"/opt/a", "/opt/a"}
                               << "/opt/a|/opt/a";
        QTest::newRow("after stored ones")
            << "/x|/y" << QStringList{"/z"} << Rows{"/x", "/y", "/z"} << "/x|/y|/z";
        QTest::newRow("quoted, with blanks")
            << "" << QStringList{" \"/opt/a b/x\" "} << Rows{"/opt/a b/x"} << "/opt/a b/x";
        QTest::newRow("into the empty bottom row")
            << "/x|" << QStringList{"/z"} << Rows{"/x", "/z"} << "/x|/z";
    }
    void adding() {
        QFETCH(QString, stored);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, rows);
        QFETCH(QString, written);
        Store(stored);
        Open();
        for (const QString& text : typed) {
            form_->edtCaminhoExecutavel->setText(text);
            form_->btnIncluir->click();
            QVERIFY(form_->edtCaminhoExecutavel->text().isEmpty());
        }
        QCOMPARE(GridRows(), rows);
        Close();
        QCOMPARE(Stored(), written);
    }

    void emptyEditIsRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("empty quotes") << "\"\"";
    }
    void emptyEditIsRefused() {
        QFETCH(QString, typed);
        Store("/x");
        Open();
        form_->edtCaminhoExecutavel->setText(typed);
        ModalAnswers answers;
        answers.then(ModalAnswers::click(QMessageBox::Ok));
        form_->btnIncluir->click();
        QCOMPARE(answers.titles, QStringList{"Inclusão de executável"});
        QCOMPARE(answers.texts, QStringList{"Preencha o campo para incluir!"});
        QCOMPARE(GridRows(), Rows{"/x"});
    }

    void removing_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("the only entry") << "/a" << 0 << int(QMessageBox::Yes) << Rows{""};
        QTest::newRow("the middle of three")
            << "/a|/b|/c" << 1 << int(QMessageBox::Yes) << Rows{"/a", "/c"};
        QTest::newRow("answered No")
            << "/a|/b|/c" << 1 << int(QMessageBox::No) << Rows{"/a", "/b", "/c"};
    }
    void removing() {
        QFETCH(QString, stored);
        QFETCH(int, row);
        QFETCH(int, answer);
        QFETCH(QStringList, rows);
        Store(stored);
        Open();
        form_->Grid->setCurrentCell(row, 0);
        form_->popMenuGridPopup();
        QVERIFY(form_->popExcluir->isEnabled());
        ModalAnswers answers;
        answers.then(ModalAnswers::click(answer));
        form_->popExcluir->trigger();
        QCOMPARE(answers.texts, QStringList{"Deseja realmente excluir o registro selecionado?"});
        QCOMPARE(GridRows(), rows);
    }

    void storedValuesLoad_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("written");
        QTest::newRow("empty element in the middle") << "/a||/b" << Rows{"/a", "/b"} << "/a|/b";
        QTest::newRow("ending with the separator") << "/a|/b|" << Rows{"/a", "/b", ""} << "/a|/b|";
    }
    void storedValuesLoad() {
        QFETCH(QString, stored);
        QFETCH(QStringList, rows);
        QFETCH(QString, written);
        Store(stored);
        Open();
        QCOMPARE(GridRows(), rows);
        Close();
        QCOMPARE(Stored(), written);
    }

    void openAndCloseRewritesTheFile() {
        folder_->write("setup.ini", "; lista\r\n[EXECUTAVEL]\r\nCAMINHOS = \"/opt/a\" \r\n");
        Open();
        Close();
        QCOMPARE(Ini(), std::string("; lista\r\n[EXECUTAVEL]\r\nCAMINHOS =/opt/a\r\n"));
    }

    void orderKeptOverThreeOpenings() {
        Store("/c|/a|/b");
        for (int i = 0; i < 3; ++i) {
            Open();
            QCOMPARE(GridRows(), (Rows{"/c", "/a", "/b"}));
            Close();
        }
        QCOMPARE(Stored(), QStringLiteral("/c|/a|/b"));
    }

    void droppedPathsFillTheEdit_data() {
        QTest::addColumn<bool>("asUrl");
        QTest::addColumn<QString>("payload");
        QTest::addColumn<QString>("shown");
        QTest::newRow("file URL") << true << "/opt/a b/x"
                                  << "/opt/a b/x";
        QTest::newRow("file URL as text") << false << "file:///opt/c/y"
                                          << "/opt/c/y";
        QTest::newRow("quoted text") << false << "\"/opt/a b/x\""
                                     << "\"/opt/a b/x\"";
    }
    void droppedPathsFillTheEdit() {
        QFETCH(bool, asUrl);
        QFETCH(QString, payload);
        QFETCH(QString, shown);
        Open();
        QLineEdit* edit = form_->edtCaminhoExecutavel->lineEdit();
        QMimeData mime;
        if (asUrl)
            mime.setUrls({QUrl::fromLocalFile(payload)});
        else
            mime.setText(payload);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &drop);
        QCOMPARE(edit->text(), shown);
        form_->btnIncluir->click();
        Close();
        QCOMPARE(Stored(), QStringLiteral("/opt/") + (payload.contains("c/y") ? "c/y" : "a b/x"));
    }

    void browseStartsInTheTypedPathsFolder() {
        const QString folder = QString::fromStdString(folder_->path());
        QCOMPARE(FileNameEdit::StartFolder(folder + "/prog"), folder);
        QCOMPARE(FileNameEdit::StartFolder("\"" + folder + "/prog\""), folder);
        QCOMPARE(FileNameEdit::StartFolder(folder + "/nao-existe/prog"), QString());
        QCOMPARE(FileNameEdit::StartFolder(""), QString());
    }

    void aFailedWriteAtClosingKeepsTheWindowOpen() {
        Store("/a");
        Open();
        form_->edtCaminhoExecutavel->setText("/b");
        form_->btnIncluir->click();
        // setup.ini turned into a folder: no user, not even root, can write it.
        std::filesystem::remove(folder_->file("setup.ini"));
        std::filesystem::create_directory(folder_->file("setup.ini"));
        ModalAnswers answers;
        answers.then(ModalAnswers::click(QMessageBox::Ok));
        form_->close();
        QCOMPARE(answers.texts,
                 QStringList{"Unable to write to " +
                             QString::fromStdString(folder_->file("setup.ini")) + "."});
        QVERIFY(form_->isVisible());
        QCOMPARE(GridRows(), (Rows{"/a", "/b"}));
        std::filesystem::remove(folder_->file("setup.ini"));  // fixed: the next closing works
        Close();
        QCOMPARE(Stored(), QStringLiteral("/a|/b"));
    }

    void aSecondOpeningBringsTheOpenEditorForward() {
        int editors = 0;
        QTimer::singleShot(0, [&] {
            TFrmCadProcesso* first = FrmCadProcesso;
            QVERIFY(first);
            first->edtCaminhoExecutavel->setText("/typed");
            TFrmCadProcesso::Abrir(fake_);
            QCOMPARE(FrmCadProcesso, first);
            QCOMPARE(first->edtCaminhoExecutavel->text(), QStringLiteral("/typed"));
            for (QWidget* w : QApplication::topLevelWidgets())
                editors += qobject_cast<TFrmCadProcesso*>(w) != nullptr;
            first->close();
        });
        TFrmCadProcesso::Abrir(fake_);
        QCOMPARE(editors, 1);
        QCOMPARE(FrmCadProcesso, nullptr);
    }

private:
    void Store(const QString& value) {
        folder_->write("setup.ini", "[EXECUTAVEL]\r\nCAMINHOS=" + value.toStdString() + "\r\n");
    }
    std::string Ini() const { return folder_->read("setup.ini"); }
    QString Stored() const {
        const std::string ini = Ini();
        const std::size_t at = ini.find("CAMINHOS=");
        return QString::fromStdString(ini.substr(at + 9, ini.find('\r', at) - at - 9));
    }
    void Open() {
        form_ = std::make_unique<TFrmCadProcesso>(fake_);
        form_->Preparar();
        form_->show();
    }
    void Close() {
        form_->close();
        QVERIFY(!form_->isVisible());
        form_.reset();
    }
    Rows GridRows() const {
        Rows rows;
        for (const std::string& row : form_->Linhas()) rows << QString::fromStdString(row);
        return rows;
    }

    std::unique_ptr<TempFolder> folder_;
    platform::FakePlatform fake_;
    std::unique_ptr<TFrmCadProcesso> form_;
};

QTEST_MAIN(FrmCadProcessoTest)
#include "FrmCadProcessoTest.moc"
