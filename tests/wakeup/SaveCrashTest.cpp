// Kills a process in the middle of its saves again and again: despertar.xml must always load.
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "platform/fake/FakePlatform.h"
#include "wakeup/WakeupTable.h"

class SaveCrashTest : public QObject {
    Q_OBJECT

private slots:
    void killedMidSaveLeavesALoadableFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        platform::FakePlatform fake;
        fake.exePath = dir.filePath("tresmon").toStdString();
        int previousCount = 0;
        for (int round = 0; round < 12; ++round) {
            QProcess saver;
            saver.start(TRESMON_SAVE_LOOP, {dir.path()});
            QVERIFY(saver.waitForStarted(5000));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("despertar.xml")), 10000);
            QTest::qWait(100 + QRandomGenerator::global()->bounded(400));
            saver.kill();
            QVERIFY(saver.waitForFinished(5000));

            std::unique_ptr<TClientDataSet> cds;
            try {
                CriarCDSDespertador(cds, fake);
            } catch (const std::exception& e) {
                QFAIL(e.what());
            }
            QVERIFY(cds->RecordCount() >= previousCount);
            previousCount = cds->RecordCount();
        }
        QVERIFY(previousCount > 0);
    }
};

QTEST_GUILESS_MAIN(SaveCrashTest)
#include "SaveCrashTest.moc"
