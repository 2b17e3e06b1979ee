// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/fakemessages.h"
#include "fakes/fakesound.h"
#include "fakes/scriptedrandom.h"
#include "game/keno.h"
#include "platform/qtsettingsstore.h"
#include "players/playerrecords.h"

#include <QDir>
#include <QFile>
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
    const QByteArray full = "[player1]\nreelspeed=10\namountinvested=500\nwager=120\ntotal=80\n"
                            "bank=460\ngames=12\ncurrentplayer=ANNA\n";
    QTest::newRow("empty store") << QByteArray() << 0 << 1 << 0 << QString();
    QTest::newRow("full record") << full << 460 << 10 << 12 << QStringLiteral("ANNA");
    QTest::newRow("other slots ignored") << QByteArray("[player2]\nbank=9\n") << 0 << 1 << 0 << QString();
    QTest::newRow("bank not a number") << QByteArray("[player1]\nbank=lots\ngames=3\n") << 0 << 1 << 3 << QString();
    QTest::newRow("bank 12abc") << QByteArray("[player1]\nbank=12abc\n") << 0 << 1 << 0 << QString();
    QTest::newRow("bank 1e3") << QByteArray("[player1]\nbank=1e3\n") << 0 << 1 << 0 << QString();
    QTest::newRow("bank 0x10") << QByteArray("[player1]\nbank=0x10\n") << 0 << 1 << 0 << QString();
    QTest::newRow("bank plus sign") << QByteArray("[player1]\nbank=+5\n") << 0 << 1 << 0 << QString();
    QTest::newRow("bank quoted blank") << QByteArray("[player1]\nbank=\" 5\"\n") << 0 << 1 << 0 << QString();
    QTest::newRow("bank negative") << QByteArray("[player1]\nbank=-25\n") << -25 << 1 << 0 << QString();
    QTest::newRow("bank largest") << QByteArray("[player1]\nbank=2147483647\n") << 2147483647 << 1 << 0 << QString();
    QTest::newRow("bank past 32 bits") << QByteArray("[player1]\nbank=99999999999\n") << 0 << 1 << 0 << QString();
    QTest::newRow("reelspeed 0") << QByteArray("[player1]\nreelspeed=0\n") << 0 << 1 << 0 << QString();
    QTest::newRow("reelspeed -5") << QByteArray("[player1]\nreelspeed=-5\n") << 0 << 1 << 0 << QString();
    QTest::newRow("reelspeed 60") << QByteArray("[player1]\nreelspeed=60\n") << 0 << 60 << 0 << QString();
    QTest::newRow("reelspeed 16-bit max") << QByteArray("[player1]\nreelspeed=32767\n") << 0 << 32767 << 0 << QString();
    QTest::newRow("reelspeed past 16 bits") << QByteArray("[player1]\nreelspeed=40000\n") << 0 << 1 << 0 << QString();
    QTest::newRow("name with comma") << QByteArray("[player1]\ncurrentplayer=\"SMITH, J\"\n") << 0 << 1 << 0
                                     << QStringLiteral("SMITH, J");
    QTest::newRow("cut after a line") << full.left(full.indexOf("games=")) << 460 << 10 << 0 << QString();
    // A file that does not parse counts as empty rather than half-read.
    QTest::newRow("cut inside a key") << full.left(full.indexOf("games=") + 4) << 0 << 1 << 0 << QString();
}

void tst_startup::startsFromStoredRecord()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, bank);
    QFETCH(int, reelspeed);
    QFETCH(int, games);
    QFETCH(QString, name);

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
    }

    const game::State& s = keno.state();
    QCOMPARE(s.player.bank, bank);
    QCOMPARE(s.creditCaption, std::to_string(bank));
    QCOMPARE(int(s.player.reelspeed), reelspeed);
    QCOMPARE(s.player.games, games);
    QCOMPARE(QString::fromStdString(s.player.currentplayer), name);
    QCOMPARE(s.playerno, std::string("1"));
    QCOMPARE(int(s.bet), 1);
    QCOMPARE(s.coinsbet, 1);
    QCOMPARE(s.betpanCaption, std::string());
    QCOMPARE(seen, game::changeAll);
    QCOMPARE(sound.calls, (std::vector<fakes::FakeSound::Call>{{fakes::FakeSound::Kind::once, platform::Cue::snd104}}));
    QVERIFY(messages.shown.empty());

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
