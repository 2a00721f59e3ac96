// A timer's work run through QueuedRun: a real QTimer must be able to start it again while an
// earlier run waits in a nested loop, as a box's loop does.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include "shell/QueuedRun.h"

class QueuedRunTest : public QObject {
    Q_OBJECT

private slots:
    void theNextTickRunsTheWorkInsideTheLoopOfTheRunBefore() {
        int depth = 0;
        int deepest = 0;
        QEventLoop* outerBox = nullptr;
        QueuedRun run(this, [&] {
            ++depth;
            deepest = std::max(deepest, depth);
            if (depth == 1) {
                // Stands for a box nobody answers: only a nested run may end it.
                QEventLoop box;
                outerBox = &box;
                QTimer::singleShot(1000, &box, &QEventLoop::quit);
                box.exec();
                outerBox = nullptr;
            } else if (outerBox) {
                outerBox->quit();
            }
            --depth;
        });
        QTimer tick;
        tick.setInterval(5);
        connect(&tick, &QTimer::timeout, this, [&] { run.Request(); });
        tick.start();
        QVERIFY(QTest::qWaitFor([&] { return deepest >= 2; }, 3000));
        tick.stop();
    }

    void ticksThatCameBeforeTheRunStartsOneRunOnly() {
        int runs = 0;
        QueuedRun run(this, [&] { ++runs; });
        for (int i = 0; i < 5; ++i) run.Request();
        QCOMPARE(runs, 0);  // nothing runs inside the tick itself
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
        run.Request();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 2);
    }
};

QTEST_MAIN(QueuedRunTest)
#include "QueuedRunTest.moc"
