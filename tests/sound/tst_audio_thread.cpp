// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound workers' background loads: waited for while the player lives, never at its end.
#include "sound/AudioThread.h"

#include <QElapsedTimer>
#include <QtTest>

#include <future>
#include <sched.h>
#include <sys/resource.h>

using namespace std::chrono_literals;

class BackgroundLoads : public QObject {
    Q_OBJECT

private slots:
    // The load runs on a thread of its own at a lower priority: a busy machine slows it down
    // but cannot starve it (the idle class would), and neither the worker nor the game's thread
    // is lowered with it.
    void aLoadIsWaitedForAtALowerPriority()
    {
        const int gameNice = getpriority(PRIO_PROCESS, 0);
        AudioThread worker;
        std::promise<bool> ran;
        int loadNice = 0;
        int loadPolicy = -1;
        int workerNice = 0;
        std::thread::id loadThread;
        worker.post([&] {
            ran.set_value(worker.runInBackground([&] {
                // Slow enough that a caller not waiting would find the results unset.
                std::this_thread::sleep_for(50ms);
                loadNice = getpriority(PRIO_PROCESS, 0);
                loadPolicy = sched_getscheduler(0);
                loadThread = std::this_thread::get_id();
            }));
            workerNice = getpriority(PRIO_PROCESS, 0);
        });
        auto done = ran.get_future();
        QVERIFY(done.wait_for(20s) == std::future_status::ready);
        QVERIFY(done.get());
        QVERIFY(loadThread != std::thread::id() && loadThread != std::this_thread::get_id());
        QVERIFY2(loadNice > gameNice && loadNice < 19, qPrintable(QString::number(loadNice)));
        QVERIFY(loadPolicy != SCHED_IDLE);
        QCOMPARE(workerNice, gameNice);
        QCOMPARE(getpriority(PRIO_PROCESS, 0), gameNice);
    }

    // The end of the program must not wait for a load that a busy machine holds up: destroying the
    // worker returns while its load is still blocked. The load finishes alone later and lets go of
    // what it owns then.
    void theEndDoesNotWaitForABlockedLoad()
    {
        std::promise<void> release;
        const std::shared_future<void> released = release.get_future().share();
        std::promise<void> started;
        std::promise<bool> waited;
        auto owned = std::make_shared<int>(7);
        const std::weak_ptr<int> watch = owned;
        auto worker = std::make_unique<AudioThread>();
        worker->post([&, w = worker.get(), owned = std::move(owned)]() mutable {
            waited.set_value(w->runInBackground([&started, released, owned = std::move(owned)] {
                started.set_value();
                // The wait is only a guard against hanging the suite when the worker does wait.
                released.wait_for(20s);
            }));
        });
        QVERIFY(started.get_future().wait_for(20s) == std::future_status::ready);
        QElapsedTimer timer;
        timer.start();
        worker.reset();
        const qint64 ms = timer.elapsed();
        release.set_value();
        QVERIFY2(ms < 5000, qPrintable(QStringLiteral("the worker waited %1 ms for its load").arg(ms)));
        // The worker was told that it did not wait for the load's end.
        QVERIFY(!waited.get_future().get());
        QTRY_VERIFY_WITH_TIMEOUT(watch.expired(), 20000);
    }
};

QTEST_GUILESS_MAIN(BackgroundLoads)
#include "tst_audio_thread.moc"
