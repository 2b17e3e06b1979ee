// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/fakemessages.h"
#include "platform/qtsettingsstore.h"
#include "players/playerrecords.h"
#include "players/recordsaver.h"
#include "players/soundsetting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <optional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// The player records as the real settings file keeps them, written and read
// by separate programs so nothing comes from a cache in memory.
class tst_recordfile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void namesComeBackUnchanged_data();
    void namesComeBackUnchanged();
    void twoProgramsOneAfterTheOther();
    void killedWhileSavingLeavesAWholeRecord();
    void secondProgramNeverWrites();
    void noLeftoverLockHoldsUpASave_data();
    void noLeftoverLockHoldsUpASave();
    void missingConfigFolderIsMade();
    void soundChoiceHasASectionOfItsOwn();
    void everyDamagedFileIsKept();
    void fileKeepsItsLinkAndPermissions_data();
    void fileKeepsItsLinkAndPermissions();
    void nearlyFullDiskNeverPassesForSuccess_data();
    void nearlyFullDiskNeverPassesForSuccess();
    void failedSaveIsToldAndChangesNothing_data();
    void failedSaveIsToldAndChangesNothing();

private:
    // A tmpfs of \p kib KiB at \p folder, gone when the test ends however it ends.
    bool mountTmpfs(const QString& folder, int kib);
    // Runs this program as a second one over the same config directory.
    void start(QProcess& process, const QStringList& arguments);
    QByteArray child(const QStringList& arguments);
    // Starts a `loop` writer and waits for its first record; the caller kills it.
    std::unique_ptr<QProcess> writer(const QString& who);
    std::unique_ptr<QTemporaryDir> home;
};

namespace {

// Generation k of writer `who`: every number k, the name telling both.
game::Player generation(const QString& who, int k)
{
    game::Player record;
    record.amountinvested = record.wager = record.total = record.bank = record.games = k;
    record.reelspeed = game::Integer(k % 30000 + 1);
    record.currentplayer = (who + u'-' + QString::number(k)).toStdString();
    return record;
}

// A second program over $XDG_CONFIG_HOME: `save SLOT BANK NAME`, `read SLOT`,
// `loop SLOT WHO` (saves generations 1, 2, ... until killed) or `generation SLOT`
// (prints "WHO K" when the record is one whole generation).
int runChild(const QStringList& args)
{
    platform::QtSettingsStore store;
    const int slot = args.value(2).toInt();
    if (args.value(1) == u"loop") {
        for (int k = 1;; ++k)
            players::saveRecord(store, slot, generation(args.value(3), k));
    }
    if (args.value(1) == u"generation") {
        game::Player record;
        players::readRecord(store, slot, record);
        const QStringList name = QString::fromStdString(record.currentplayer).split(u'-');
        const int k = name.value(1).toInt();
        const bool whole = !store.setAside() && name.size() == 2 &&
                           record == generation(name[0], k);
        std::printf("%s", whole ? qPrintable(name[0] + u' ' + QString::number(k)) : "mixed or damaged");
        return 0;
    }
    if (args.value(1) == u"save") {
        game::Player record;
        record.bank = args.value(3).toInt();
        record.currentplayer = args.value(4).toStdString();
        return players::saveRecord(store, slot, record) ? 0 : 1;
    }
    game::Player record;
    players::readRecord(store, slot, record);
    std::printf("%lld\n%s", static_cast<long long>(record.bank), record.currentplayer.c_str());
    return 0;
}

} // namespace

void tst_recordfile::init()
{
    home = std::make_unique<QTemporaryDir>();
    QVERIFY(home->isValid());
    // This program's own stores use the same folder as its second programs.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home->path());
}

void tst_recordfile::start(QProcess& process, const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home->path());
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--child")} + arguments);
}

QByteArray tst_recordfile::child(const QStringList& arguments)
{
    QProcess process;
    start(process, arguments);
    if (!process.waitForFinished(10'000) || process.exitCode() != 0)
        return "(child failed)";
    return process.readAllStandardOutput();
}

std::unique_ptr<QProcess> tst_recordfile::writer(const QString& who)
{
    auto process = std::make_unique<QProcess>();
    start(*process, {QStringLiteral("loop"), QStringLiteral("1"), who});
    process->waitForStarted();
    // Its first record is on disk before anyone looks.
    for (int wait = 0; wait < 100 && !child({QStringLiteral("generation"), QStringLiteral("1")}).startsWith(who.toUtf8());
         ++wait)
        QTest::qWait(20);
    return process;
}

// Killed at any moment of a save, the program leaves the old record or the
// new one, never a mix and never a file that does not parse.
void tst_recordfile::killedWhileSavingLeavesAWholeRecord()
{
    QRandomGenerator pause(7);
    for (int round = 0; round < 25; ++round) {
        auto process = writer(QStringLiteral("A"));
        QTest::qWait(int(pause.bounded(20, 120)));
        process->kill();
        process->waitForFinished();
        const QByteArray found = child({QStringLiteral("generation"), QStringLiteral("1")});
        QVERIFY2(found.startsWith("A "), found + " in round " + QByteArray::number(round));
    }
}

// While one program holds the file no other can write it, so a stale copy
// of the game can never put back what the first has moved on from.
void tst_recordfile::secondProgramNeverWrites()
{
    auto a = writer(QStringLiteral("A"));
    QCOMPARE(child({QStringLiteral("save"), QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("B")}),
             QByteArray("(child failed)"));
    a->kill();
    a->waitForFinished();
    QVERIFY(child({QStringLiteral("generation"), QStringLiteral("1")}).startsWith("A "));
    QCOMPARE(child({QStringLiteral("save"), QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("B")}),
             QByteArray());
}

void tst_recordfile::noLeftoverLockHoldsUpASave_data()
{
    QTest::addColumn<bool>("killedHolder"); // else an empty lock file lies about
    QTest::newRow("empty lock file") << false;
    QTest::newRow("holder killed") << true;
}

void tst_recordfile::noLeftoverLockHoldsUpASave()
{
    QFETCH(bool, killedHolder);
    if (killedHolder) {
        auto holder = writer(QStringLiteral("A"));
        holder->kill();
        holder->waitForFinished();
    } else {
        QFile lock(home->path() + QStringLiteral("/Vorlen.ini.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
    }
    QElapsedTimer took;
    took.start();
    QCOMPARE(child({QStringLiteral("save"), QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("B")}),
             QByteArray());
    QVERIFY2(took.elapsed() < 1000, QByteArray::number(took.elapsed()) + " ms");
}

void tst_recordfile::namesComeBackUnchanged_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blanks only") << QStringLiteral("   ");
    QTest::newRow("leading and trailing blanks") << QStringLiteral("  ann  ");
    QTest::newRow("equals") << QStringLiteral("a=b");
    QTest::newRow("semicolon") << QStringLiteral("a;b");
    QTest::newRow("comma") << QStringLiteral("a, b");
    QTest::newRow("section") << QStringLiteral("[x]");
    QTest::newRow("quotes") << QStringLiteral("\"Jo\" 'D'");
    QTest::newRow("backslash") << QStringLiteral("a\\b\\");
    QTest::newRow("hash") << QStringLiteral("#1");
    QTest::newRow("non-ASCII") << QStringLiteral("Zoë Ærøsk日本");
}

void tst_recordfile::namesComeBackUnchanged()
{
    QFETCH(QString, name);
    QCOMPARE(child({QStringLiteral("save"), QStringLiteral("2"), QStringLiteral("77"), name}), QByteArray());
    QCOMPARE(QString::fromUtf8(child({QStringLiteral("read"), QStringLiteral("2")})), QStringLiteral("77\n") + name);
}

// Each program writes its own slot; the second keeps what the first wrote.
void tst_recordfile::twoProgramsOneAfterTheOther()
{
    QCOMPARE(child({QStringLiteral("save"), QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("ann")}),
             QByteArray());
    QCOMPARE(child({QStringLiteral("save"), QStringLiteral("4"), QStringLiteral("40"), QStringLiteral("bob")}),
             QByteArray());
    QCOMPARE(child({QStringLiteral("read"), QStringLiteral("1")}), QByteArray("10\nann"));
    QCOMPARE(child({QStringLiteral("read"), QStringLiteral("4")}), QByteArray("40\nbob"));
}

void tst_recordfile::missingConfigFolderIsMade()
{
    const QString config = home->path() + QStringLiteral("/not/there/yet");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
    platform::QtSettingsStore store;
    fakes::FakeMessages messages;
    game::Player record;
    record.bank = 12;
    QVERIFY(players::RecordSaver(store, messages).save(1, record));
    QVERIFY(messages.shown.empty());
    QVERIFY(QFile::exists(config + QStringLiteral("/Vorlen.ini")));
}

void tst_recordfile::soundChoiceHasASectionOfItsOwn()
{
    {
        platform::QtSettingsStore store;
        QVERIFY(players::readSoundOn(store));
        QVERIFY(players::saveRecord(store, 1, generation(QStringLiteral("A"), 3)));
        QVERIFY(players::saveSoundOn(store, false));
    }
    QFile file(home->path() + QStringLiteral("/Vorlen.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("[sound]\non=0\n"), text);
    QCOMPARE(text.count("="), 8); // seven player keys and the sound
    QCOMPARE(child({QStringLiteral("generation"), QStringLiteral("1")}), QByteArray("A 3"));
    platform::QtSettingsStore again;
    QVERIFY(!players::readSoundOn(again));
}

// A damaged file found by a later run goes beside the first copy, never over it.
void tst_recordfile::everyDamagedFileIsKept()
{
    const QString file = home->path() + QStringLiteral("/Vorlen.ini");
    const QByteArray damaged[] = {"[player1]\nbank=5\n[pla", "[player2]\nbank=7\n[x"};
    for (const QByteArray& text : damaged) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text);
        out.close();
        platform::QtSettingsStore store;
        QVERIFY(store.setAside());
        QVERIFY(players::saveRecord(store, 1, generation(QStringLiteral("A"), 1)));
    }
    for (const auto& [name, text] : {std::pair{".bad", damaged[0]}, std::pair{".bad.2", damaged[1]}}) {
        QFile kept(file + QString::fromLatin1(name));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), text);
    }
    QCOMPARE(child({QStringLiteral("generation"), QStringLiteral("1")}), QByteArray("A 1"));
}

bool tst_recordfile::mountTmpfs(const QString& folder, int kib)
{
    // In a mount namespace of this test's own, so the mount cannot outlive it.
    static const bool own = ::unshare(CLONE_NEWNS) == 0 &&
                            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    const QByteArray options = "size=" + QByteArray::number(kib) + "k";
    return own && QDir().mkpath(folder) &&
           ::mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, options.constData()) == 0;
}

namespace {

// Fills the file system of \p folder but for \p freeBlocks blocks of 4 KiB.
void fill(const QString& folder, int freeBlocks = 0)
{
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
    filler.write(block.left(1));
    filler.resize(std::max<qint64>(0, filler.size() / 4096 * 4096 - 4096 * freeBlocks));
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

struct Unmount {
    QString folder;
    ~Unmount() { ::umount2(folder.toLocal8Bit().constData(), MNT_DETACH); }
};

} // namespace

void tst_recordfile::fileKeepsItsLinkAndPermissions_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("link");
    QTest::newRow("private file") << 0600 << false;
    QTest::newRow("shared through a link") << 0644 << true;
    // Only root writes a read-only file; it stays read-only.
    if (::geteuid() == 0)
        QTest::newRow("read-only, as root") << 0444 << false;
}

void tst_recordfile::fileKeepsItsLinkAndPermissions()
{
    QFETCH(int, mode);
    QFETCH(bool, link);
    const QString file = home->path() + QStringLiteral("/Vorlen.ini");
    const QString real = link ? home->path() + QStringLiteral("/elsewhere.ini") : file;
    QVERIFY(QFile(real).open(QIODevice::WriteOnly));
    QVERIFY(::chmod(real.toLocal8Bit().constData(), mode_t(mode)) == 0);
    if (link)
        QVERIFY(QFile::link(real, file));
    {
        platform::QtSettingsStore store;
        QVERIFY(players::saveRecord(store, 1, generation(QStringLiteral("A"), 4)));
    }
    struct stat info;
    QVERIFY(::stat(real.toLocal8Bit().constData(), &info) == 0);
    QCOMPARE(int(info.st_mode & 07777), mode);
    QCOMPARE(QFileInfo(file).isSymLink(), link);
    QCOMPARE(child({QStringLiteral("generation"), QStringLiteral("1")}), QByteArray("A 4"));
}

void tst_recordfile::nearlyFullDiskNeverPassesForSuccess_data()
{
    QTest::addColumn<int>("freeBlocks");
    QTest::newRow("no free block") << 0;
    QTest::newRow("one free block") << 1;
}

// Six players on a disk about to fill: a save either writes the whole new
// record or fails and leaves the old one, never an empty file taken for success.
void tst_recordfile::nearlyFullDiskNeverPassesForSuccess()
{
    QFETCH(int, freeBlocks);
    if (::geteuid() != 0 || !mountTmpfs(home->path(), 16))
        QSKIP("a full disk needs root to mount a small tmpfs (the suite runs as root in CI)");
    const Unmount unmount{home->path()};
    for (int slot = 6; slot >= 1; --slot)
        QCOMPARE(child({QStringLiteral("save"), QString::number(slot), QStringLiteral("5"), QStringLiteral("ann")}),
                 QByteArray());
    const QByteArray before = contents(home->path() + QStringLiteral("/Vorlen.ini"));
    fill(home->path(), freeBlocks);
    const bool saved = child({QStringLiteral("save"), QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("bob")}) ==
                       QByteArray();
    if (saved)
        QCOMPARE(child({QStringLiteral("read"), QStringLiteral("1")}), QByteArray("9\nbob"));
    else
        QCOMPARE(contents(home->path() + QStringLiteral("/Vorlen.ini")), before);
    QCOMPARE(child({QStringLiteral("read"), QStringLiteral("6")}), QByteArray("5\nann"));
}

void tst_recordfile::failedSaveIsToldAndChangesNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("told"); // words of the one message at start
    QTest::newRow("full disk") << "full disk" << "(No space left on device)";
    QTest::newRow("damaged file on a full disk") << "damaged on full disk" << "left as it was";
    QTest::newRow("damaged file, no free name beside it") << "damaged, names taken" << "left as it was";
    QTest::newRow("a folder named like the file") << "folder" << "not a regular file";
    QTest::newRow("a file where the config folder is") << "file as folder" << "(Not a directory)";
    QTest::newRow("link to a device") << "device" << "not a regular file";
    QTest::newRow("named pipe") << "fifo" << "not a regular file";
    // Root writes through these; the rows above stand in for it.
    if (::geteuid() != 0) {
        QTest::newRow("read-only file") << "read-only file" << "read-only";
        QTest::newRow("read-only folder") << "read-only folder" << "(Permission denied)";
    }
}

// A save that cannot be made is told at start, once while playing and again
// as the game closes, and never replaces or changes what is there.
void tst_recordfile::failedSaveIsToldAndChangesNothing()
{
    QFETCH(QString, fault);
    QFETCH(QString, told);
    QString config = home->path() + QStringLiteral("/config");
    const QString file = config + QStringLiteral("/Vorlen.ini");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
    QDir().mkpath(config);
    const auto write = [&](const QByteArray& text) {
        QFile out(file);
        return out.open(QIODevice::WriteOnly) && out.write(text) == text.size();
    };
    const QByteArray damaged = "[player1]\nbank=5\n[pla";
    std::optional<Unmount> unmount;
    if (fault.contains(u"disk")) {
        unmount.emplace(Unmount{config});
        if (::geteuid() != 0 || !mountTmpfs(config, 16))
            QSKIP("a full disk needs root to mount a small tmpfs (the suite runs as root in CI)");
        if (fault.startsWith(u"damaged")) {
            QVERIFY(write(damaged));
        } else {
            platform::QtSettingsStore store;
            for (int slot = 1; slot <= 6; ++slot)
                QVERIFY(players::saveRecord(store, slot, generation(QStringLiteral("A"), slot)));
        }
        fill(config);
    } else if (fault.startsWith(u"damaged")) {
        QVERIFY(write(damaged));
        for (int n = 1; n <= 100; ++n)
            QVERIFY(QFile(file + (n == 1 ? QStringLiteral(".bad") : QStringLiteral(".bad.%1").arg(n)))
                        .open(QIODevice::WriteOnly));
    } else if (fault == u"folder") {
        QVERIFY(QDir(config).mkpath(QStringLiteral("Vorlen.ini")));
    } else if (fault == u"file as folder") {
        QVERIFY(QDir(config).removeRecursively());
        QVERIFY(QFile(config).open(QIODevice::WriteOnly));
    } else if (fault == u"device") {
        // A null device of the test's own: a program that gets this wrong
        // must not replace the system's.
        const QString device = home->path() + QStringLiteral("/null");
        if (::mknod(device.toLocal8Bit().constData(), S_IFCHR | 0666, ::makedev(1, 3)) != 0)
            QSKIP("making a device node needs root (the suite runs as root in CI)");
        QVERIFY(QFile::link(device, file));
    } else if (fault == u"fifo") {
        QVERIFY(::mkfifo(file.toLocal8Bit().constData(), 0644) == 0);
    } else {
        QVERIFY(write("[player1]\nbank=5\n"));
        QVERIFY(QFile::setPermissions(fault == u"read-only file" ? file : config,
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const QFileInfo before(file);
    const QByteArray beforeText = contents(file);

    {
        platform::QtSettingsStore store;
        fakes::FakeMessages messages;
        players::RecordSaver saver(store, messages);
        players::reportSetAside(store, messages);
        saver.checkAtStart();
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY2(messages.shown[0].prompt.find(told.toStdString()) != std::string::npos, messages.shown[0].prompt.c_str());
        QVERIFY(messages.shown[0].prompt.find(store.location()) != std::string::npos);
        QCOMPARE(messages.shown[0].title, std::string("Slot_Vorlane"));

        QVERIFY(!saver.save(1, generation(QStringLiteral("B"), 9)));
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(!saver.saveAtEnd(1, generation(QStringLiteral("B"), 9), true));
        QCOMPARE(messages.shown.size(), std::size_t(2));
        QVERIFY2(messages.shown[1].prompt.find("The game is closing.") != std::string::npos,
                 messages.shown[1].prompt.c_str());
    }
    const QFileInfo after(file);
    QCOMPARE(after.exists(), before.exists());
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.symLinkTarget(), before.symLinkTarget());
    QCOMPARE(contents(file), beforeText);
    QFile::setPermissions(config, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) == u"--child")
        return runChild(app.arguments().mid(1));
    tst_recordfile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recordfile.moc"
