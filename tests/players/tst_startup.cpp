// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/fakemessages.h"
#include "fakes/fakesound.h"
#include "fakes/scriptedrandom.h"
#include "game/keno.h"
#include "platform/qtsettingsstore.h"
#include "players/playerrecords.h"
#include "players/recordsaver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <limits>

// The game starts from whatever the player's settings file holds, read
// strictly: a value that is not a number in range leaves its start value.
class tst_startup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void startsFromStoredRecord_data();
    void startsFromStoredRecord();

private:
    QString iniPath;
    int rows = 0;
};

void tst_startup::initTestCase()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY2(config.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")) && !config.isEmpty(),
             "the test must never touch the real config directory");
    QDir().mkpath(config);
    iniPath = config + QStringLiteral("/Vorlen.ini");
}

void tst_startup::startsFromStoredRecord_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("bank");
    QTest::addColumn<int>("reelspeed");
    QTest::addColumn<int>("games");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("damaged"); // copied aside, and the game starts afresh
    const QByteArray full = "[player1]\nreelspeed=10\namountinvested=500\nwager=120\ntotal=80\n"
                            "bank=460\ngames=12\ncurrentplayer=ANNA\n";
    QTest::newRow("empty store") << QByteArray() << 0 << 1 << 0 << QString() << false;
    QTest::newRow("full record") << full << 460 << 10 << 12 << QStringLiteral("ANNA") << false;
    QTest::newRow("other slots ignored") << QByteArray("[player2]\nbank=9\n") << 0 << 1 << 0 << QString() << false;
    QTest::newRow("bank not a number") << QByteArray("[player1]\nbank=lots\ngames=3\n") << 0 << 1 << 3 << QString() << false;
    QTest::newRow("bank 12abc") << QByteArray("[player1]\nbank=12abc\n") << 0 << 1 << 0 << QString() << false;
    QTest::newRow("bank 1e3") << QByteArray("[player1]\nbank=1e3\n") << 0 << 1 << 0 << QString() << false;
    QTest::newRow("bank 0x10") << QByteArray("[player1]\nbank=0x10\n") << 0 << 1 << 0 << QString() << false;
    QTest::newRow("bank plus sign") << QByteArray("[player1]\nbank=+5\n") << 0 << 1 << 0 << QString() << false;
    QTest::newRow("bank quoted blank") << QByteArray("[player1]\nbank=\" 5\"\n") << 0 << 1 << 0 << QString() << false;
    QTest::newRow("bank negative") << QByteArray("[player1]\nbank=-25\n") << -25 << 1 << 0 << QString() << false;
    QTest::newRow("bank largest") << QByteArray("[player1]\nbank=2147483647\n") << 2147483647 << 1 << 0 << QString() << false;
    QTest::newRow("bank past 32 bits") << QByteArray("[player1]\nbank=99999999999\n") << 0 << 1 << 0 << QString() << false;
    QTest::newRow("reelspeed 0") << QByteArray("[player1]\nreelspeed=0\n") << 0 << 1 << 0 << QString() << false;
    QTest::newRow("reelspeed -5") << QByteArray("[player1]\nreelspeed=-5\n") << 0 << 1 << 0 << QString() << false;
    QTest::newRow("reelspeed 60") << QByteArray("[player1]\nreelspeed=60\n") << 0 << 60 << 0 << QString() << false;
    QTest::newRow("reelspeed 16-bit max") << QByteArray("[player1]\nreelspeed=32767\n") << 0 << 32767 << 0 << QString() << false;
    QTest::newRow("reelspeed past 16 bits") << QByteArray("[player1]\nreelspeed=40000\n") << 0 << 1 << 0 << QString() << false;
    QTest::newRow("name with comma") << QByteArray("[player1]\ncurrentplayer=\"SMITH, J\"\n") << 0 << 1 << 0
                                     << QStringLiteral("SMITH, J") << false;
    QTest::newRow("cut after a line") << full.left(full.indexOf("games=")) << 460 << 10 << 0 << QString() << false;
    // A file that does not parse counts as empty rather than half-read.
    QTest::newRow("cut inside a key") << full.left(full.indexOf("games=") + 4) << 0 << 1 << 0 << QString() << true;
    QTest::newRow("cut inside a section") << full + "[pla" << 0 << 1 << 0 << QString() << true;
    QTest::newRow("binary garbage") << QByteArray::fromRawData("\x01\x02\xff\xfe[[[==\n\n\x00\x7f", 13) << 0 << 1 << 0 << QString()
                                    << true;
    QTest::newRow("10 MB of text") << full + QByteArray(10 << 20, 'x') << 0 << 1 << 0 << QString() << true;
    QTest::newRow("10 MB of keys") << full + QByteArray("k=v\n").repeated(10 << 18) << 460 << 10 << 12
                                   << QStringLiteral("ANNA") << false;
    QTest::newRow("section twice") << full + "[player1]\nbank=9\n" << 9 << 10 << 12 << QStringLiteral("ANNA") << false;
    QTest::newRow("empty value") << QByteArray("[player1]\nbank=\ngames=2\n") << 0 << 1 << 2 << QString() << false;
    QTest::newRow("value amid blanks") << QByteArray("[player1]\nbank =  5  \n") << 5 << 1 << 0 << QString() << false;
}

void tst_startup::startsFromStoredRecord()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, bank);
    QFETCH(int, reelspeed);
    QFETCH(int, games);
    QFETCH(QString, name);
    QFETCH(bool, damaged);
    const QString bad = iniPath + QStringLiteral(".bad");
    QFile::remove(bad);

    QFile::remove(iniPath);
    if (!ini.isEmpty()) {
        QFile file(iniPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini);
        file.flush();
        // Settings files are re-read when their time stamp moves; give every row its own.
        file.setFileTime(QDateTime::currentDateTime().addSecs(++rows), QFileDevice::FileModificationTime);
    }

    fakes::FakeSound sound;
    fakes::FakeMessages messages;
    fakes::ScriptedRandom random;
    game::Keno keno(sound, messages, random);
    game::Changes seen = 0;
    keno.setListener([&](game::Changes what) { seen |= what; });
    {
        platform::QtSettingsStore store;
        game::Player record;
        players::readRecord(store, 1, record);
        keno.startUp(record);
        players::reportSetAside(store, messages);
    }

    const game::State& s = keno.state();
    QCOMPARE(s.player.bank, bank);
    QCOMPARE(s.creditCaption(), std::to_string(bank));
    QCOMPARE(int(s.player.reelspeed), reelspeed);
    QCOMPARE(s.player.games, games);
    QCOMPARE(QString::fromStdString(s.player.currentplayer), name);
    QCOMPARE(s.playerno, std::string("1"));
    QCOMPARE(int(s.bet), 1);
    QCOMPARE(s.coinsbet, 1);
    QCOMPARE(s.betpanCaption, std::string());
    QCOMPARE(seen, game::changeAll);
    QCOMPARE(sound.calls, (std::vector<fakes::FakeSound::Call>{{fakes::FakeSound::Kind::once, platform::Cue::snd104}}));

    if (damaged) {
        // Kept byte for byte beside the store, which starts empty, and the player is told where.
        QFile kept(bad);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), ini);
        QCOMPARE(QFileInfo(iniPath).size(), 0); // emptied in place, a link or its permissions kept
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0].title, std::string("Slot_Vorlane"));
        QVERIFY(messages.shown[0].prompt.find(iniPath.toStdString() + "\r") != std::string::npos);
        QVERIFY(messages.shown[0].prompt.find(bad.toStdString()) != std::string::npos);
        return;
    }
    QVERIFY(messages.shown.empty());
    QVERIFY(!QFile::exists(bad));

    // Starting never writes the store: the file is exactly as it was.
    QFile after(iniPath);
    if (ini.isEmpty()) {
        QVERIFY(!after.exists());
    } else {
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), ini);
    }
}

QTEST_GUILESS_MAIN(tst_startup)
#include "tst_startup.moc"
