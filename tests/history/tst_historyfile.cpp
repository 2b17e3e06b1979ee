// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/rig.h"
#include "fakes/seededrandom.h"
#include "fakes/settledplay.h"
#include "history/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The same plays every time for a slot: 1, 3, 5 and 10 flutes and every bet
// in turn, a second apart.
std::vector<history::PlayRecord> plays(int count, int slot = 1)
{
    fakes::SeededRandom source{unsigned(slot)};
    Rig rig(2'000'000'000, &source);
    rig.mark({7, 80, 33, 12, 59, 41});
    std::vector<history::PlayRecord> made;
    for (int k = 0; k < count; ++k) {
        rig.keno.chooseBet(k % 4 + 1);
        made.push_back(settledPlay(rig.keno, std::array{1, 3, 5, 10}[k % 4], slot, 1000 * (k + 1)));
        made.back().name = "ann";
    }
    return made;
}

history::Tally tally(const std::vector<history::PlayRecord>& plays)
{
    history::Tally sums;
    for (const history::PlayRecord& play : plays)
        sums.add(play);
    return sums;
}

// Every play of the slot, oldest first, paged back the way recall pages.
std::vector<history::PlayRecord> everyPlay(history::Store& store, int slot)
{
    std::vector<history::PlayRecord> all;
    for (auto page = store.plays(slot, 10); !page.empty(); page = store.plays(slot, 10, page.back().id))
        all.insert(all.end(), page.begin(), page.end());
    std::reverse(all.begin(), all.end());
    for (history::PlayRecord& play : all)
        play.id = 0;
    return all;
}

// What the sqlite3 program answers, as a second reader of the file.
QString sqlite(const QString& file, const QString& sql)
{
    QProcess reader;
    reader.start(u"sqlite3"_s, {file, sql});
    return reader.waitForFinished(10'000) ? QString::fromUtf8(reader.readAllStandardOutput().trimmed()) : QString();
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// `write FOLDER`: records the thousand plays one after the other, printing
// the count of those on disk after each, until killed.
int runChild(const QString& folder)
{
    history::Store store(folder.toStdString(), [](const history::Report&) {});
    for (const history::PlayRecord& play : plays(1000)) {
        store.record(play);
        std::printf("%lld\n", static_cast<long long>(store.plays(1, 1).at(0).id));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

class tst_historyfile : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> home;
    std::vector<history::Report> reports;
    QString disk; // a tmpfs mounted for the test

    QString folder() const { return home->path(); }
    QString file() const { return folder() + u'/' + QString::fromUtf8(history::fileName); }
    std::unique_ptr<history::Store> open()
    {
        return std::make_unique<history::Store>(folder().toStdString(),
                                                [this](const history::Report& r) { reports.push_back(r); });
    }

private slots:
    void init()
    {
        home = std::make_unique<QTemporaryDir>();
        reports.clear();
    }
    void cleanup()
    {
        if (!disk.isEmpty())
            ::umount2(std::exchange(disk, {}).toLocal8Bit().constData(), MNT_DETACH);
    }

    // Every play comes back as it was settled, page by page, per player and
    // after a restart; the meter and the sums agree with the plays; Delete
    // Details clears one player only.
    void keepsEveryPlayOfEachPlayer()
    {
        const auto ann = plays(25, 1), bob = plays(4, 2);
        {
            auto store = open();
            for (int k = 0; k < 25; ++k) {
                store->record(ann[std::size_t(k)]);
                if (k < 4)
                    store->record(bob[std::size_t(k)]);
            }
        }
        auto store = open();
        QVERIFY(everyPlay(*store, 1) == ann);
        const history::Meter meter = store->meter(1, ann[20].time);
        QCOMPARE(meter.plays, 5);
        QCOMPARE(meter.coinsBet,
                 std::accumulate(ann.begin() + 20, ann.end(), 0ll, [](auto sum, auto& p) { return sum + p.stake; }));
        QCOMPARE(meter.coinsWon,
                 std::accumulate(ann.begin() + 20, ann.end(), 0ll, [](auto sum, auto& p) { return sum + p.win; }));
        QVERIFY(store->tally(1) == tally(ann));
        store->forget(1);
        QVERIFY(everyPlay(*store, 1).empty() && store->tally(1) == history::Tally() && store->meter(1, 0).plays == 0);
        QVERIFY(everyPlay(*store, 2) == bob && store->tally(2) == tally(bob));
        QVERIFY(reports.empty());
    }

    // Killed at any moment of a thousand writes, the file is whole and holds
    // exactly the plays whose writing had ended, with sums that agree.
    void killedWhileWritingKeepsEveryWrittenPlay()
    {
        const auto all = plays(1000);
        QRandomGenerator when(29);
        for (int round = 0; round < 3; ++round) {
            init();
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {u"--child"_s, folder()});
            const int killAt = when.bounded(50, 900);
            int written = 0;
            while (written < killAt && child.waitForReadyRead(10'000))
                while (child.canReadLine())
                    written = child.readLine().trimmed().toInt();
            child.kill();
            child.waitForFinished();
            for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
                written = line.isEmpty() ? written : line.toInt();
            QVERIFY2(written >= killAt, QByteArray::number(written));
            QCOMPARE(sqlite(file(), u"PRAGMA integrity_check"_s), u"ok"_s);
            auto store = open();
            const auto kept = everyPlay(*store, 1);
            QVERIFY2(kept.size() == std::size_t(written) || kept.size() == std::size_t(written) + 1,
                     QByteArray::number(qsizetype(kept.size())) + " kept, " + QByteArray::number(written) + " written");
            QVERIFY(std::equal(kept.begin(), kept.end(), all.begin()));
            QVERIFY(store->tally(1) == tally(kept));
        }
    }

    // A full disk loses the plays settled meanwhile and says so once; the next
    // play after space is freed is kept.
    void fullDiskIsToldOnceAndWritingGoesOn()
    {
        static const bool own = ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
                                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        if (!own || ::mount("tmpfs", folder().toLocal8Bit().constData(), "tmpfs", 0, "size=1m") != 0)
            QSKIP("a full disk needs root to mount a small tmpfs (the suite runs as root in CI)");
        disk = folder();
        const auto all = plays(5);
        auto store = open();
        store->record(all[0]);
        QCOMPARE(store->plays(1, 10).size(), 1u);
        QFile filler(folder() + u"/filler"_s);
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        for (int k = 1; k < 4; ++k)
            store->record(all[std::size_t(k)]);
        QCOMPARE(store->plays(1, 10).size(), 1u);
        QCOMPARE(reports.size(), 1u);
        QCOMPARE(reports[0].notice, history::Notice::cannotWrite);
        filler.remove();
        store->record(all[4]);
        QCOMPARE(everyPlay(*store, 1), (std::vector{all[0], all[4]}));
        QVERIFY(store->tally(1) == tally({all[0], all[4]}));
        QCOMPARE(reports.size(), 1u);
    }

    void damagedOrForeignFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<history::Notice>("notice");
        QTest::addColumn<QString>("keptAs"); // where the bytes found are afterwards
        QTest::addColumn<int>("shown");      // plays shown once one more is recorded
        QTest::newRow("not a database") << u"text"_s << history::Notice::setAside << u".bad"_s << 1;
        QTest::newRow("damaged pages") << u"pages"_s << history::Notice::setAside << u".bad"_s << 1;
        QTest::newRow("from a newer game") << u"newer"_s << history::Notice::newerVersion << u""_s << 3;
        QTest::newRow("a folder in its place") << u"folder"_s << history::Notice::cannotWrite << u""_s << 0;
    }
    // The player is told once; bytes found are never lost, and a fresh file
    // takes the next play where the old one could not.
    void damagedOrForeignFile()
    {
        QFETCH(QString, fault);
        QFETCH(history::Notice, notice);
        QFETCH(QString, keptAs);
        QFETCH(int, shown);
        const auto all = plays(4);
        if (fault == u"folder") {
            QVERIFY(QDir(folder()).mkdir(QString::fromUtf8(history::fileName)));
        } else if (fault == u"text") {
            QFile text(file());
            QVERIFY(text.open(QIODevice::WriteOnly) && text.write(QByteArray(9000, 'k')) == 9000);
        } else {
            auto store = open();
            for (int k = 0; k < 3; ++k)
                store->record(all[std::size_t(k)]);
        }
        if (fault == u"newer")
            sqlite(file(), u"PRAGMA user_version = 99"_s);
        QByteArray before = contents(file());
        if (fault == u"pages") {
            before.replace(4096, before.size() - 4096, QByteArray(before.size() - 4096, '\x55'));
            QFile damaged(file());
            QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(before) == before.size());
        }
        {
            auto store = open();
            store->record(all[3]);
            QCOMPARE(int(store->plays(1, 10).size()), shown);
        }
        QCOMPARE(reports.size(), 1u);
        QCOMPARE(reports[0].notice, notice);
        QCOMPARE(contents(file() + keptAs), before);
        if (!keptAs.isEmpty())
            QCOMPARE(QString::fromStdString(reports[0].detail), file() + keptAs);
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) == u"--child")
        return runChild(app.arguments().value(2));
    tst_historyfile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_historyfile.moc"
