#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "wakeup/AlarmSound.h"

namespace {

// A quarter second of silence, 8 kHz mono 8-bit.
QByteArray SilentWav() {
    const quint32 samples = 2000;
    QByteArray wav;
    auto u32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i) wav.append(char((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&](quint16 v) {
        wav.append(char(v & 0xFF));
        wav.append(char(v >> 8));
    };
    wav.append("RIFF");
    u32(36 + samples);
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(8000);
    u16(1);
    u16(8);
    wav.append("data");
    u32(samples);
    wav.append(QByteArray(samples, char(0x80)));
    return wav;
}

}  // namespace

class AlarmSoundTest : public QObject {
    Q_OBJECT

private slots:
    void fourStartsOneSecondApartWithoutBlocking_data() {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("a real sound") << true;
        QTest::newRow("a file that vanished") << false;
    }
    void fourStartsOneSecondApartWithoutBlocking() {
        QFETCH(bool, fileExists);
        QTemporaryDir dir;
        const QString path = dir.filePath("despertar.wav");
        if (fileExists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(SilentWav());
        }
        AlarmSound sound;
        QElapsedTimer timer;
        timer.start();
        sound.PlayFourTimes(path);
        QCOMPARE(sound.starts(), 1);  // returned before the second start
        QTRY_COMPARE_WITH_TIMEOUT(sound.starts(), 4, 5000);
        QVERIFY(timer.elapsed() >= 2900);  // the starts are a second apart
    }
};

QTEST_MAIN(AlarmSoundTest)
#include "AlarmSoundTest.moc"
