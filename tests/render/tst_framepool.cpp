#include "support/TestSupport.h"

#include "render/FramePool.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

#include <QtConcurrent>

class TestFramePool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void framesAreAlignedBgraOfPoolSize()
    {
        FramePool pool(1281, 721);
        int owner = 0;
        AVFrame *frame = pool.acquire(&owner);
        QCOMPARE(frame->format, int(AV_PIX_FMT_BGRA));
        QCOMPARE(frame->width, 1281);
        QCOMPARE(frame->height, 721);
        QVERIFY(frame->linesize[0] >= 1281 * 4);
        QCOMPARE(frame->linesize[0] % 32, 0);
        QCOMPARE(reinterpret_cast<quintptr>(frame->data[0]) % 32, quintptr(0));
        pool.release(frame);
    }

    void recyclesAndCountsPerRecordedOwner()
    {
        FramePool pool(64, 32);
        int a = 0, b = 0;
        QCOMPARE(pool.outstanding(&a), 0);
        AVFrame *first = pool.acquire(&a);
        pool.release(first);
        AVFrame *again = pool.acquire(&a);
        QCOMPARE(again, first);
        QCOMPARE(pool.outstanding(&a), 1);
        // The count follows the owner recorded in the frame, not whoever releases it.
        pool.release(again);
        AVFrame *taken = pool.acquire(&b);
        QCOMPARE(taken, first);
        QCOMPARE(pool.outstanding(&a), 0);
        QCOMPARE(pool.outstanding(&b), 1);
        pool.release(taken);
        QCOMPARE(pool.outstanding(&b), 0);
    }

    void waitBelowEndsWhenAFrameComesBack()
    {
        FramePool pool(32, 16);
        int owner = 0;
        AVFrame *frame = pool.acquire(&owner);
        QVERIFY(pool.waitBelow(&owner, 2, 0));
        QVERIFY(!pool.waitBelow(&owner, 1, 20));
        // Released on another thread while this one waits: the wait ends with room, long
        // before its limit.
        QFuture<void> releaser = QtConcurrent::run([&pool, frame] {
            QThread::msleep(50);
            pool.release(frame);
        });
        QVERIFY(pool.waitBelow(&owner, 1, 60000));
        releaser.waitForFinished();
        QCOMPARE(pool.outstanding(&owner), 0);
    }

    void threeThreadsKeepCountsExact()
    {
        FramePool pool(32, 16);
        int owners[3] = {};
        QSet<AVFrame *> seen;
        QMutex seenLock;
        QVector<QFuture<void>> workers;
        for (int &owner : owners) {
            workers << QtConcurrent::run([&pool, &owner, &seen, &seenLock] {
                for (int round = 0; round < 2000; ++round) {
                    AVFrame *x = pool.acquire(&owner);
                    AVFrame *y = pool.acquire(&owner);
                    QVERIFY(x != y);
                    {
                        QMutexLocker locker(&seenLock);
                        seen << x << y;
                    }
                    pool.release(y);
                    pool.release(x);
                }
            });
        }
        for (auto &w : workers)
            w.waitForFinished();
        for (int &owner : owners)
            QCOMPARE(pool.outstanding(&owner), 0);
        // Frames are only allocated while none is free: at most two per thread in flight.
        QVERIFY(seen.size() <= 6);
    }
};

PICTOVIA_TEST_MAIN(TestFramePool)
#include "tst_framepool.moc"
