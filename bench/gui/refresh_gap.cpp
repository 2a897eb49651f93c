// How long the desktop program's event loop stands still while the main
// window refreshes: a timer ticks every 10 ms, "Обновить" is triggered a few
// times, and the largest interval between two ticks is reported beside the
// time from the request to the new rows and the processor time the window's
// thread spent from the request until 200 ms after the rows. A measuring tool run by hand, not a
// test (see docs/PERFORMANCE.md):
//
//   orvenda_refresh_gap FOLDER [RUNS] [DAY.MONTH.YEAR]
//
// FOLDER is a program folder such as bench/make_event_folder.py writes; the
// clock stands at 10:00 of the given day (30.12.2026 by default).

#include "app/ui/main_window.h"
#include "engine/questions.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// Processor time of the calling thread in milliseconds: the window's own
// share of a refresh, which the load of a shared machine does not stretch.
double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [RUNS] [DAY.MONTH.YEAR]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    int day = 30, month = 12, year = 2026;
    if (argc > 3 && std::sscanf(argv[3], "%d.%d.%d", &day, &month, &year) != 3) {
        std::fprintf(stderr, "bad date %s\n", argv[3]);
        return 2;
    }

    orvenda::NoQuestions nobody;
    orvenda::SessionEnvironment env;
    // The session makes the program folder the current one, so it is taken whole.
    env.programFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath().toStdString();
    orvenda::TDateRec now = orvenda::MakeDate(year, month, day);
    now.Hour = 10;
    env.clock = orvenda::FixedClock(now);
    orvenda::TFormMain window(env, nobody);
    QAction* refresh = window.findChild<QAction*>(QStringLiteral("NRefresh"));
    QAbstractItemModel* rows = window.findChild<QTableView*>(QStringLiteral("SGEvents"))->model();

    QElapsedTimer clock;
    clock.start();
    // New rows reach the list as one reset of its model.
    qint64 rowsAt = -1;
    QObject::connect(rows, &QAbstractItemModel::modelReset, [&] { rowsAt = clock.elapsed(); });
    // The event loop runs as in the program, waiting for events between them.
    const auto runFor = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    const auto waitForRows = [&] {
        if (rowsAt >= 0)
            return;
        QEventLoop loop;
        const QMetaObject::Connection reset = QObject::connect(rows, &QAbstractItemModel::modelReset, &loop,
                                                               &QEventLoop::quit, Qt::QueuedConnection);
        loop.exec();
        QObject::disconnect(reset);
    };
    window.show();
    waitForRows();

    qint64 lastTick = -1;
    qint64 largestGap = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 at = clock.elapsed();
        if (lastTick >= 0)
            largestGap = std::max(largestGap, at - lastTick);
        lastTick = at;
    });

    std::printf("run  request returns  rows after  largest gap  window thread CPU  (ms)\n");
    std::vector<qint64> gaps;
    for (int run = 1; run <= runs; ++run) {
        ticker.start();
        lastTick = -1;
        // The loop runs a while before the request, so the timer is steady.
        runFor(200);
        largestGap = 0;
        rowsAt = -1;
        const qint64 requested = clock.elapsed();
        const double cpuBefore = ThreadCpuMs();
        refresh->trigger();
        const qint64 returned = clock.elapsed();
        waitForRows();
        // And a while after the rows, which may bring the last gap.
        runFor(200);
        ticker.stop();
        std::printf("%3d  %15lld  %10lld  %11lld  %17.1f\n", run, returned - requested, rowsAt - requested,
                    largestGap, ThreadCpuMs() - cpuBefore);
        gaps.push_back(largestGap);
    }
    std::sort(gaps.begin(), gaps.end());
    std::printf("median largest gap %lld ms, rows shown: %d\n", gaps[gaps.size() / 2], rows->rowCount());
    return 0;
}
