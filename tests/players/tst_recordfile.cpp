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
#include <cstdio>
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
    void twoProgramsSavingAtOnce();
    void missingConfigFolderIsMade();
    void soundChoiceHasASectionOfItsOwn();
    void everyDamagedFileIsKept();
    void damagedFileWithNoRoomBesideItIsNeverWritten();
    void readOnlyFolderIsReported();
    void unwritableStoreIsReportedOnce_data();
    void unwritableStoreIsReportedOnce();

private:
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

// Two games saving over each other: the file stays whole and holds what
// one of them wrote.
void tst_recordfile::twoProgramsSavingAtOnce()
{
    auto a = writer(QStringLiteral("A"));
    auto b = writer(QStringLiteral("B"));
    for (int look = 0; look < 10; ++look) {
        QTest::qWait(60);
        const QByteArray found = child({QStringLiteral("generation"), QStringLiteral("1")});
        QVERIFY2(found.startsWith("A ") || found.startsWith("B "), found);
    }
    a->kill();
    b->kill();
    a->waitForFinished();
    b->waitForFinished();
    const QByteArray last = child({QStringLiteral("generation"), QStringLiteral("1")});
    QVERIFY2(last.startsWith("A ") || last.startsWith("B "), last);
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

// When no copy can be made (here every name beside it is taken), the
// damaged file is left exactly as it is and the failed save is reported.
void tst_recordfile::damagedFileWithNoRoomBesideItIsNeverWritten()
{
    const QString file = home->path() + QStringLiteral("/Vorlen.ini");
    for (int n = 1; n <= 100; ++n) {
        QFile taken(file + (n == 1 ? QStringLiteral(".bad") : QStringLiteral(".bad.%1").arg(n)));
        QVERIFY(taken.open(QIODevice::WriteOnly));
    }
    const QByteArray damaged = "[player1]\nbank=5\n[pla";
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(damaged);
    out.close();
    {
        platform::QtSettingsStore store;
        QVERIFY(!store.setAside());
        QVERIFY(!store.value("player1", "bank"));
        fakes::FakeMessages messages;
        QVERIFY(!players::RecordSaver(store, messages).save(1, generation(QStringLiteral("A"), 1)));
        QCOMPARE(messages.shown.size(), std::size_t(1));
    }
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), damaged);
}

void tst_recordfile::readOnlyFolderIsReported()
{
    if (geteuid() == 0)
        QSKIP("root writes into a read-only folder; the other unwritable cases stand in");
    QFile::setPermissions(home->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    platform::QtSettingsStore store;
    fakes::FakeMessages messages;
    QVERIFY(!players::RecordSaver(store, messages).save(1, generation(QStringLiteral("A"), 1)));
    QCOMPARE(messages.shown.size(), std::size_t(1));
    QFile::setPermissions(home->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void tst_recordfile::unwritableStoreIsReportedOnce_data()
{
    QTest::addColumn<QString>("blocker"); // what stands where the file or its folder should be
    QTest::newRow("a folder named like the file") << QStringLiteral("Vorlen.ini/");
    QTest::newRow("a file where the config folder is") << QStringLiteral("");
}

void tst_recordfile::unwritableStoreIsReportedOnce()
{
    QFETCH(QString, blocker);
    QString config = home->path();
    if (blocker.isEmpty()) {
        config += QStringLiteral("/config");
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir(config).mkpath(blocker));
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);

    platform::QtSettingsStore store;
    fakes::FakeMessages messages;
    players::RecordSaver saver(store, messages);
    game::Player record;
    record.bank = 12;
    QVERIFY(!saver.save(1, record));
    QVERIFY(!saver.save(1, record));
    QCOMPARE(messages.shown.size(), std::size_t(1));
    QCOMPARE(messages.shown[0].icon, platform::Messages::Icon::critical);
    QCOMPARE(messages.shown[0].title, std::string("Slot_Vorlane"));
    QVERIFY2(messages.shown[0].prompt.find(store.location()) != std::string::npos, messages.shown[0].prompt.c_str());
    QVERIFY(store.location().find(config.toStdString()) == 0);
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
