// The real program on a display of its own with a notification area, driven with the mouse and
// the keyboard: calls ring while boxes wait, and the tray answers over every modal window.
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "shell/DateTime.h"
#include "shell/uFuncoesSenhaZelko.h"
#include "support/VirtualDesk.h"

namespace {

const QString kEditorDespertador = QStringLiteral("Despertador");
const QString kEditorProcessos = QStringLiteral("Executáveis a serem monitorados");
const QString kSenhaBox = QStringLiteral("Informe a senha de Supervisor");
constexpr int kTick = 12'000;

struct Call {
    QDateTime at;
    QString apto;
};

QByteArray CallsFile(const QList<Call>& calls) {
    QByteArray xml =
        "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\"><METADATA>"
        "<FIELDS><FIELD attrname=\"DesCodigo\" fieldtype=\"i4\"/><FIELD attrname=\"DesData\" "
        "fieldtype=\"date\"/><FIELD attrname=\"DesHora\" fieldtype=\"time\"/><FIELD "
        "attrname=\"DesApto\" fieldtype=\"string\" WIDTH=\"10\"/><FIELD attrname=\"DesPlaca\" "
        "fieldtype=\"string\" WIDTH=\"20\"/><FIELD attrname=\"DesObs\" fieldtype=\"string\" "
        "WIDTH=\"100\"/><FIELD attrname=\"DesStatus\" fieldtype=\"i4\"/></FIELDS><PARAMS/>"
        "</METADATA><ROWDATA>";
    int codigo = 0;
    for (const Call& c : calls)
        xml += QStringLiteral(
                   "<ROW DesCodigo=\"%1\" DesData=\"%2\" DesHora=\"%3:00000\" "
                   "DesApto=\"%4\" DesPlaca=\"\" DesObs=\"\" DesStatus=\"0\"/>")
                   .arg(++codigo)
                   .arg(c.at.toString("yyyyMMdd"), c.at.toString("HH:mm"), c.apto)
                   .toLatin1();
    return xml + "</ROWDATA></DATAPACKET>";
}

// Start of the current minute, once at least `room` seconds of it are left.
QDateTime MinuteWithRoom(int room) {
    QDateTime now = QDateTime::currentDateTime();
    if (now.time().second() > 60 - room) {
        QTest::qWait((60 - now.time().second()) * 1000 + 100);
        now = QDateTime::currentDateTime();
    }
    return QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()));
}

QString PasswordNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const TDateTime moment =
        EncodeDate(now.date().year(), now.date().month(), now.date().day()) +
        EncodeTime(now.time().hour(), now.time().minute(), now.time().second(), 0);
    return QString::fromStdString(SenhaSupervisor(moment));
}

int IndexOf(const QList<VirtualDesk::Window>& windows, const QString& name) {
    for (int i = 0; i < windows.size(); ++i)
        if (windows[i].name == name) return i;
    return -1;
}

}  // namespace

class TrayEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        desk_ = std::make_unique<VirtualDesk>();
        QVERIFY2(desk_->error().isEmpty(), qPrintable(desk_->error()));
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        QVERIFY(QFile::copy(TRESMON_EXECUTABLE, path("tresmon")));
    }

    void cleanup() {
        QFile(path("vigiado/stop")).open(QIODevice::WriteOnly);  // the listed program ends
        if (program_ && program_->state() != QProcess::NotRunning) {
            program_->kill();
            program_->waitForFinished(5000);
        }
        program_.reset();
        desk_.reset();
        folder_.reset();
    }

    // Nobody at the desk: each tick adds the next due call's box on top of the open ones, every
    // call is saved as given, and the process check still starts a missing program.
    void twoCallsInOneMinuteNobodyAnswering() {
        const QDateTime minute = MinuteWithRoom(5);
        write("despertar.xml", CallsFile({{minute, "305"}, {minute, "410"}}));
        QVERIFY(QDir(folder_->path()).mkdir("vigiado"));
        QVERIFY(QFile::copy(TRESMON_SLEEPER, path("vigiado/vigiado")));
        write("setup.ini", "[EXECUTAVEL]\r\nCAMINHOS=" + path("vigiado/vigiado").toUtf8() + "\r\n");
        start();
        if (QTest::currentTestFailed()) return;

        QTRY_VERIFY_WITH_TIMEOUT(desk_->window("Despertar Apto 305"), kTick + 8000);
        QElapsedTimer sinceFirst;
        sinceFirst.start();
        QTRY_VERIFY_WITH_TIMEOUT(desk_->window("Despertar Apto 410"), kTick + 8000);
        QVERIFY2(sinceFirst.elapsed() > kTick - 4000, "the second box came before the next tick");
        const auto windows = desk_->windows();
        QVERIFY(IndexOf(windows, "Despertar Apto 305") >= 0);
        QVERIFY(IndexOf(windows, "Despertar Apto 410") < IndexOf(windows, "Despertar Apto 305"));
        QTRY_COMPARE(read("despertar.xml").count("DesStatus=\"1\""), 2);

        // The first process check comes 30 s after the start, with both boxes still open.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path("vigiado/cwd.txt")), 20000);
        QVERIFY(desk_->window("Despertar Apto 305"));
        QVERIFY(desk_->window("Despertar Apto 410"));
        QCOMPARE(program_->state(), QProcess::Running);
    }

    // The first box left open: the next minute's call still rings within that minute's first
    // tick.
    void callsInConsecutiveMinutesFirstBoxLeftOpen() {
        const QDateTime minute = MinuteWithRoom(5);
        const QDateTime next = minute.addSecs(60);
        write("despertar.xml", CallsFile({{minute, "305"}, {next, "410"}}));
        start();
        if (QTest::currentTestFailed()) return;

        QTRY_VERIFY_WITH_TIMEOUT(desk_->window("Despertar Apto 305"), kTick + 8000);
        const qint64 untilNext = QDateTime::currentDateTime().msecsTo(next);
        QTRY_VERIFY_WITH_TIMEOUT(desk_->window("Despertar Apto 410"), untilNext + kTick + 8000);
        const qint64 late = next.msecsTo(QDateTime::currentDateTime());
        QVERIFY2(late >= 0 && late <= kTick + 3000,
                 qPrintable(QStringLiteral("rang %1 ms into its minute").arg(late)));
        QVERIFY(desk_->window("Despertar Apto 305"));
    }

    // Each row opens some of our modal windows, then chooses a menu entry through the tray icon:
    // the menu shows, and the entry's window comes out on top, never as a second copy.
    void trayMenuAnswersOverModalWindows_data() {
        QTest::addColumn<QStringList>("opened");  // "key=title": a menu entry and its window
        QTest::addColumn<QString>("choose");
        QTest::addColumn<QString>("onTop");
        QTest::newRow("alert box")
            << QStringList{"tick=Despertar Apto 305"} << "d" << kEditorDespertador;
        QTest::newRow("wake-up editor")
            << QStringList{"d=" + kEditorDespertador} << "l" << kEditorProcessos;
        QTest::newRow("list editor")
            << QStringList{"l=" + kEditorProcessos} << "d" << kEditorDespertador;
        QTest::newRow("wake-up editor again")
            << QStringList{"d=" + kEditorDespertador, "l=" + kEditorProcessos} << "d"
            << kEditorDespertador;
        QTest::newRow("password box") << QStringList{"s=" + kSenhaBox} << "l" << kEditorProcessos;
    }
    void trayMenuAnswersOverModalWindows() {
        QFETCH(QStringList, opened);
        QFETCH(QString, choose);
        QFETCH(QString, onTop);
        const QDateTime minute = MinuteWithRoom(20);
        write("despertar.xml", CallsFile({{minute, "305"}}));
        start();
        if (QTest::currentTestFailed()) return;

        QStringList titles;
        for (const QString& step : opened) {
            const QString key = step.section('=', 0, 0);
            const QString title = step.section('=', 1);
            if (key != "tick") QVERIFY2(chooseFromTray(key), qPrintable(step));
            QTRY_VERIFY_WITH_TIMEOUT(desk_->window(title), kTick + 8000);
            titles << title;
        }
        QVERIFY2(chooseFromTray(choose), "no menu on the tray icon");
        QTRY_COMPARE(desk_->windows().value(0).name, onTop);
        QCOMPARE(desk_->count(onTop), 1);
        for (const QString& title : titles) QVERIFY2(desk_->window(title), qPrintable(title));
    }

    // "&Sair" with the right password while the editor is open: the program ends once the
    // editor is closed, with exit code 0.
    void exitChosenInsideTheEditorEndsWhenItCloses() {
        start();
        if (QTest::currentTestFailed()) return;
        QVERIFY(chooseFromTray("d"));
        QTRY_VERIFY(desk_->window(kEditorDespertador));
        if (QTime::currentTime().minute() == 59 && QTime::currentTime().second() > 50)
            QTest::qWait(11000);  // the password changes on the hour
        QVERIFY(chooseFromTray("s"));
        QTRY_VERIFY(desk_->window(kSenhaBox));
        desk_->focus(*desk_->window(kSenhaBox));
        desk_->type(PasswordNow());
        desk_->key("Return");
        QTRY_VERIFY(!desk_->window(kSenhaBox));
        QVERIFY(desk_->window(kEditorDespertador));
        QCOMPARE(program_->state(), QProcess::Running);

        desk_->close(*desk_->window(kEditorDespertador));
        QVERIFY(program_->waitForFinished(10000));
        QCOMPARE(program_->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program_->exitCode(), 0);
    }

private:
    QString path(const QString& name) const { return folder_->filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void start() {
        program_ = std::make_unique<QProcess>();
        program_->setProcessEnvironment(desk_->environment());
        program_->setWorkingDirectory(folder_->path());
        program_->setProcessChannelMode(QProcess::ForwardedChannels);
        program_->start(path("tresmon"), {});
        QVERIFY(program_->waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(desk_->trayIcon().has_value(), 10000);
    }

    // Right-click on the tray icon, wait for its menu, then press the entry's access key.
    bool chooseFromTray(const QString& key) {
        const auto icon = desk_->trayIcon();
        if (!icon) return false;
        desk_->rightClick(*icon);
        const auto menuShown = [&] { return desk_->windows().value(0).menu; };
        if (!QTest::qWaitFor(menuShown, 5000)) return false;
        desk_->key(key);
        desk_->moveMouse({20, 700});  // off the icon, so no tooltip comes
        return QTest::qWaitFor([&] { return !menuShown(); }, 5000);
    }

    std::unique_ptr<VirtualDesk> desk_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<QProcess> program_;
};

QTEST_GUILESS_MAIN(TrayEndToEndTest)
#include "TrayEndToEndTest.moc"
