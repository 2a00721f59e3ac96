// Starts copies of the real program side by side: exactly one may run per user and display.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        program_ = dir_.filePath("tresmon");
        QVERIFY(QFile::copy(TRESMON_EXECUTABLE, program_));
        QVERIFY(QDir(dir_.path()).mkdir("run"));
        QFile::setPermissions(dir_.filePath("run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void cleanup() {
        for (auto& p : processes_) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
        processes_.clear();
    }

    void aSecondStartEndsAtOnceWithZero() {
        QProcess* first = start();
        QTest::qWait(3000);
        QCOMPARE(first->state(), QProcess::Running);
        QProcess* second = start();
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
    }

    void aMarkerLeftByAKilledInstanceDoesNotBlock() {
        QProcess* crashed = start();
        QTest::qWait(3000);
        crashed->kill();  // SIGKILL: no clean-up runs
        QVERIFY(crashed->waitForFinished(5000));
        QProcess* next = start();
        QTest::qWait(3000);
        QCOMPARE(next->state(), QProcess::Running);
        QProcess* refused = start();
        QVERIFY(refused->waitForFinished(10000));
        QCOMPARE(refused->exitCode(), 0);
    }

    void manySimultaneousStartsLeaveExactlyOne() {
        constexpr int kStarts = 8;
        for (int i = 0; i < kStarts; ++i) start();
        QElapsedTimer clock;
        clock.start();
        while (running() > 1 && clock.elapsed() < 20000) QTest::qWait(50);
        QTest::qWait(500);
        QCOMPARE(running(), 1);
        for (auto& p : processes_) {
            if (p->state() == QProcess::NotRunning) {
                QCOMPARE(p->exitStatus(), QProcess::NormalExit);
                QCOMPARE(p->exitCode(), 0);
            }
        }
    }

private:
    QProcess* start() {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", dir_.filePath("run"));
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        p->setProcessEnvironment(env);
        p->setProgram(program_);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start();
        p->waitForStarted(5000);
        processes_.push_back(std::move(p));
        return processes_.back().get();
    }

    int running() const {
        int n = 0;
        for (const auto& p : processes_) n += p->state() == QProcess::Running;
        return n;
    }

    QTemporaryDir dir_;
    QString program_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
