// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/memorystore.h"
#include "platform/qtsettingsstore.h"
#include "players/playerrecords.h"
#include "players/recordsaver.h"
#include "players/soundsetting.h"
#include "players/windowplace.h"
#include "windows/recordnotices.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Generation k of writer `who`: every number k, the name telling both.
game::Player generation(const QString& who, int k)
{
    return {game::Integer(k % 30000 + 1), k, k, k, k, k, (who + u'-' + QString::number(k)).toStdString()};
}

// A second program over $XDG_CONFIG_HOME: `save SLOT BANK NAME`, `read SLOT`, `loop WHO` (saves
// generations 1, 2, ... in slot 1 until killed), `generation` ("WHO K" for a whole generation in slot 1)
// or `hold` (plays on the file, as a game does, until killed).
int runChild(const QStringList& args)
{
    platform::QtSettingsStore store;
    game::Player record;
    if (args[0] == u"hold") {
        std::printf("held\n");
        std::fflush(stdout);
        return std::getchar();
    }
    if (args[0] == u"loop")
        for (int k = 1;; ++k)
            players::saveRecord(store, 1, generation(args.value(1), k));
    if (args[0] == u"save")
        return players::saveRecord(store, args.value(1).toInt(),
                                   {0, 0, 0, 0, args.value(2).toInt(), 0, args.value(3).toStdString()}) ? 0 : 1;
    players::readRecord(store, args.value(1, u"1"_s).toInt(), record);
    if (args[0] == u"read") {
        std::printf("%lld\n%s", static_cast<long long>(record.bank), record.currentplayer.c_str());
        return 0;
    }
    const QStringList name = QString::fromStdString(record.currentplayer).split(u'-');
    const int k = name.value(1).toInt();
    const bool whole = !store.setAside() && name.size() == 2 && record == generation(name[0], k);
    std::printf("%s", whole ? qPrintable(name[0] + u' ' + QString::number(k)) : "mixed or damaged");
    return 0;
}

bool write(const QString& path, const QByteArray& text)
{
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(text) == text.size();
}

// The bytes of a regular file (never opening a pipe, which would wait).
QByteArray contents(const QString& path)
{
    struct stat info;
    QFile file(path);
    if (::stat(path.toLocal8Bit().constData(), &info) != 0 || !S_ISREG(info.st_mode) || !file.open(QIODevice::ReadOnly))
        return "(not a regular file)";
    return file.readAll();
}

// All a failed save must leave as it was: what is at \p path, where it links to, its bytes.
QByteArray snapshot(const QString& path)
{
    const QFileInfo info(path);
    return u"%1 %2 %3 "_s.arg(info.exists()).arg(info.isDir()).arg(info.symLinkTarget()).toUtf8() + contents(path);
}

// Fills the file system of \p folder but for \p freeBlocks blocks of 4 KiB.
void fill(const QString& folder, int freeBlocks)
{
    QFile filler(folder + u"/filler"_s);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
    filler.write(block.left(1));
    filler.resize(std::max<qint64>(0, filler.size() / 4096 * 4096 - 4096 * freeBlocks));
}

} // namespace

// The player records as the real settings file keeps them, written and read
// by separate programs so nothing comes from a cache in memory.
class tst_recordfile : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> home;
    QString config; // $XDG_CONFIG_HOME of this program's stores and its second programs
    QStringList mounts;

    QString file() const { return config + u"/Vorlen.ini"_s; }
    void useConfig(const QString& folder)
    {
        config = folder;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
    }
    void start(QProcess& process, const QStringList& arguments, const QString& folder = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_s, folder.isEmpty() ? config : folder);
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), QStringList{u"--child"_s} + arguments);
    }
    QByteArray child(const QStringList& arguments)
    {
        QProcess process;
        start(process, arguments);
        if (!process.waitForFinished(10'000) || process.exitCode() != 0)
            return "(child failed)";
        return process.readAllStandardOutput();
    }
    QByteArray child(const QString& words) { return child(words.split(u' ')); }
    // A `loop` writer, once its first record is on disk; the caller kills it.
    std::unique_ptr<QProcess> writer()
    {
        auto process = std::make_unique<QProcess>();
        start(*process, {u"loop"_s, u"A"_s});
        process->waitForStarted();
        for (int wait = 0; wait < 100 && !child(u"generation"_s).startsWith("A "); ++wait)
            QTest::qWait(20);
        return process;
    }
    static void kill(QProcess& process)
    {
        process.kill();
        process.waitForFinished();
    }
    // A game playing on the file of $XDG_CONFIG_HOME=\p folder; the caller kills it.
    std::unique_ptr<QProcess> holder(const QString& folder)
    {
        auto process = std::make_unique<QProcess>();
        start(*process, {u"hold"_s}, folder);
        return process->waitForReadyRead(10'000) ? std::move(process) : nullptr;
    }
    // A tmpfs of 16 KiB at \p folder, unmounted after the test however it ends.
    bool mountTmpfs(const QString& folder)
    {
        // In a mount namespace of this test's own, so the mount cannot outlive it.
        static const bool own = ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
                                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        if (!own || !QDir().mkpath(folder) ||
            ::mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=16k") != 0)
            return false;
        mounts << folder;
        return true;
    }

private slots:
    void init()
    {
        home = std::make_unique<QTemporaryDir>();
        QVERIFY(home->isValid());
        useConfig(home->path());
    }
    void cleanup()
    {
        for (const QString& folder : std::exchange(mounts, {}))
            ::umount2(folder.toLocal8Bit().constData(), MNT_DETACH);
        QFile::setPermissions(config, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    // Killed at any moment of a save, the program leaves the old record or the
    // new one, never a mix and never a file that does not parse.
    void killedWhileSavingLeavesAWholeRecord()
    {
        QRandomGenerator pause(7);
        for (int round = 0; round < 25; ++round) {
            auto process = writer();
            QTest::qWait(int(pause.bounded(20, 120)));
            kill(*process);
            const QByteArray found = child(u"generation"_s);
            QVERIFY2(found.startsWith("A "), found + " in round " + QByteArray::number(round));
        }
    }

    // A first save makes the config folder; the sound choice and the window's
    // place keep sections of their own beside the player.
    void firstSaveMakesItsFolderAndKeepsSoundApart()
    {
        useConfig(home->path() + u"/not/there/yet"_s);
        const players::WindowPlace place{-5, 20, 818, 591};
        {
            platform::QtSettingsStore store;
            QVERIFY(players::readSoundOn(store));
            players::RecordSaver(store, [](players::Trouble) { QFAIL("no trouble"); }).save(1, generation(u"A"_s, 3));
            players::saveSoundOn(store, false);
            players::putWindowPlace(store, "eDP_1_1920x1080_0_0", place);
            QVERIFY(store.sync());
            QCoreApplication::processEvents();
        }
        const QByteArray text = contents(file());
        QVERIFY2(text.contains("[sound]\non=0\n"), text);
        QVERIFY2(text.contains("[window]\neDP_1_1920x1080_0_0=-5 20 818 591\nscreen=eDP_1_1920x1080_0_0\n"), text);
        QCOMPARE(text.count("="), 10); // seven player keys, the sound and the window
        QCOMPARE(child(u"generation"_s), QByteArray("A 3"));
        const platform::QtSettingsStore again;
        QVERIFY(!players::readSoundOn(again));
        QCOMPARE(players::readWindowPlace(again, players::lastWindowScreen(again)), place);
    }
    // A hand-edited place that is not four numbers, the size above zero, is no place.
    void windowPlaceTakesFourNumbers_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("taken");
        QTest::newRow("four numbers") << u"1 2 300 400"_s << true;
        QTest::newRow("three") << u"1 2 300"_s << false;
        QTest::newRow("five") << u"1 2 300 400 5"_s << false;
        QTest::newRow("a letter") << u"1 2 3O0 400"_s << false;
        QTest::newRow("no width") << u"1 2 0 400"_s << false;
        QTest::newRow("beyond 32 bits") << u"1 2 300 4294967696"_s << false;
    }
    void windowPlaceTakesFourNumbers()
    {
        QFETCH(QString, line);
        QFETCH(bool, taken);
        fakes::MemoryStore store;
        store.setValue("window", "s", line.toStdString());
        QCOMPARE(players::readWindowPlace(store, "s").has_value(), taken);
        QVERIFY(!players::readWindowPlace(store, "").has_value());
    }

    void fileKeepsItsLinkAndPermissions_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("link");
        QTest::newRow("private file") << 0600 << false;
        QTest::newRow("shared through a link") << 0644 << true;
        // Only root writes a read-only file; it stays read-only.
        if (::geteuid() == 0)
            QTest::newRow("read-only, as root") << 0444 << false;
    }
    void fileKeepsItsLinkAndPermissions()
    {
        QFETCH(int, mode);
        QFETCH(bool, link);
        const QString real = link ? home->path() + u"/elsewhere.ini"_s : file();
        QVERIFY(write(real, {}));
        QVERIFY(::chmod(real.toLocal8Bit().constData(), mode_t(mode)) == 0);
        QVERIFY(!link || QFile::link(real, file()));
        {
            platform::QtSettingsStore store;
            QVERIFY(players::saveRecord(store, 1, generation(u"A"_s, 4)));
        }
        struct stat info;
        QVERIFY(::stat(real.toLocal8Bit().constData(), &info) == 0);
        QCOMPARE(int(info.st_mode & 07777), mode);
        QCOMPARE(QFileInfo(file()).isSymLink(), link);
        QCOMPARE(child(u"generation"_s), QByteArray("A 4"));
    }

    // Six players on a disk with one block free: a save writes the whole new record or fails and
    // leaves the old one, never an empty file taken for success. (None free: a failed save below.)
    void nearlyFullDiskNeverPassesForSuccess()
    {
        if (!mountTmpfs(config))
            QSKIP("a full disk needs root to mount a small tmpfs (the suite runs as root in CI)");
        for (int slot = 6; slot >= 1; --slot)
            QCOMPARE(child({u"save"_s, QString::number(slot), u"5"_s, u"ann"_s}), QByteArray());
        const QByteArray before = contents(file());
        fill(config, 1);
        if (child(u"save 1 9 bob"_s).isEmpty())
            QCOMPARE(child(u"read 1"_s), QByteArray("9\nbob"));
        else
            QCOMPARE(contents(file()), before);
        QCOMPARE(child(u"read 6"_s), QByteArray("5\nann"));
    }

    void failedSaveIsToldAndChangesNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("text"); // of the file before, if there is one
        QTest::addColumn<QString>("told");    // words of the one message at start
        const QByteArray good = "[player1]\nbank=5\n", damaged = good + "[pla";
        QTest::newRow("full disk") << u"full disk"_s << good << u"(No space left on device)"_s;
        QTest::newRow("damaged file on a full disk") << u"full disk"_s << damaged << u"left as it was"_s;
        QTest::newRow("damaged file, no free name beside it") << u"names taken"_s << damaged << u"left as it was"_s;
        QTest::newRow("a folder named like the file") << u"folder"_s << QByteArray() << u"not a regular file"_s;
        QTest::newRow("a file where the config folder is")
            << u"file as folder"_s << QByteArray() << u"(Not a directory)"_s;
        QTest::newRow("link to a device") << u"device"_s << QByteArray() << u"not a regular file"_s;
        QTest::newRow("named pipe") << u"fifo"_s << QByteArray() << u"not a regular file"_s;
        // Another game plays on the file, whatever happens to its folder.
        const QString held = u"another copy of the game is using it"_s;
        QTest::newRow("another game on it") << u"held"_s << good << held;
        QTest::newRow("another game on it, lock file deleted") << u"held, lock deleted"_s << good << held;
        QTest::newRow("another game on it, folder deleted") << u"held, folder deleted"_s << good << held;
        QTest::newRow("another game on it through a linked folder") << u"held, linked"_s << good << held;
        // Root writes through these; the rows above stand in for it.
        if (::geteuid() != 0) {
            QTest::newRow("read-only file") << u"read-only file"_s << good << u"read-only"_s;
            QTest::newRow("read-only folder") << u"read-only folder"_s << good << u"(Permission denied)"_s;
        }
    }
    // A save that cannot be made is told at start, once while playing and again
    // as the game closes, and never replaces or changes what is there.
    void failedSaveIsToldAndChangesNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QByteArray, text);
        QFETCH(QString, told);
        useConfig(home->path() + u"/config"_s);
        QVERIFY(QDir().mkpath(config));
        if (fault == u"full disk" && !mountTmpfs(config))
            QSKIP("a full disk needs root to mount a small tmpfs (the suite runs as root in CI)");
        QString other = config; // the folder of the game on the file
        if (fault == u"held, linked") {
            other = home->path() + u"/other"_s;
            QVERIFY(QDir().mkpath(other) && write(home->path() + u"/shared.ini"_s, text));
            QVERIFY(QFile::link(u"../shared.ini"_s, file()) && QFile::link(u"../shared.ini"_s, other + u"/Vorlen.ini"_s));
        }
        QVERIFY(text.isEmpty() || write(file(), text));
        std::unique_ptr<QProcess> game = fault.startsWith(u"held") ? holder(other) : nullptr;
        QVERIFY(!fault.startsWith(u"held") || game);
        if (fault.startsWith(u"held")) {
            if (fault == u"held, lock deleted")
                QFile::remove(file() + u".lock"_s);
            if (fault == u"held, folder deleted")
                QVERIFY(QDir(config).removeRecursively());
        } else if (fault == u"full disk") {
            fill(config, 0);
        } else if (fault == u"names taken") {
            for (int n = 1; n <= 100; ++n)
                QVERIFY(write(file() + (n == 1 ? u".bad"_s : u".bad.%1"_s.arg(n)), {}));
        } else if (fault == u"folder") {
            QVERIFY(QDir(config).mkpath(u"Vorlen.ini"_s));
        } else if (fault == u"file as folder") {
            QVERIFY(QDir(config).removeRecursively() && write(config, {}));
        } else if (fault == u"device") {
            // A null device of the test's own: a program that gets this wrong
            // must not replace the system's.
            const QString device = home->path() + u"/null"_s;
            if (::mknod(device.toLocal8Bit().constData(), S_IFCHR | 0666, ::makedev(1, 3)) != 0)
                QSKIP("making a device node needs root (the suite runs as root in CI)");
            QVERIFY(QFile::link(device, file()));
        } else if (fault == u"fifo") {
            QVERIFY(::mkfifo(file().toLocal8Bit().constData(), 0644) == 0);
        } else {
            QVERIFY(QFile::setPermissions(fault == u"read-only file" ? file() : config,
                                          QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const QByteArray before = snapshot(file());
        {
            platform::QtSettingsStore store;
            QStringList notices;
            const auto toldLast = [&](const QString& words) {
                return notices.last().contains(words) && notices.last().contains(QString::fromStdString(store.location()));
            };
            const auto note = [&](players::Trouble trouble) { notices << windows::recordNotice(trouble, store); };
            players::RecordSaver saver(store, note);
            saver.checkAtStart();
            QCOMPARE(notices.size(), 1);
            QVERIFY2(toldLast(told), qPrintable(notices[0]));
            // A fault met only while playing is told once.
            saver.save(1, generation(u"B"_s, 8));
            players::RecordSaver playing(store, note);
            playing.save(1, generation(u"B"_s, 9));
            playing.save(1, generation(u"B"_s, 10));
            QVERIFY(!store.sync());
            QCoreApplication::processEvents();
            QCOMPARE(notices.size(), 2);
            QVERIFY(toldLast(u"The game goes on"_s));
            QVERIFY(!saver.saveAtEnd(1, generation(u"B"_s, 11)));
            notices << windows::closingNotice(store);
            QVERIFY(toldLast(u"The game is closing."_s));
        }
        QCOMPARE(snapshot(file()), before);
        if (!game)
            return;
        // No guard outlives the game that held it.
        kill(*game);
        QElapsedTimer took;
        took.start();
        platform::QtSettingsStore store;
        QVERIFY(players::saveRecord(store, 1, generation(u"C"_s, 1)));
        QVERIFY2(took.elapsed() < 1000, QByteArray::number(took.elapsed()) + " ms after the game was killed");
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) == u"--child")
        return runChild(app.arguments().mid(2));
    tst_recordfile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recordfile.moc"
