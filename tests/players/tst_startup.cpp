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

Q_DECLARE_METATYPE(game::Player)

using namespace Qt::StringLiterals;

// The game starts from whatever the player's settings file holds, read
// strictly: a value that is not a number in range leaves its start value.
class tst_startup : public QObject {
    Q_OBJECT
    QString iniPath;
    QMap<QString, QByteArray> copies; // of the damaged files met so far

private slots:
    void initTestCase()
    {
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QVERIFY2(config.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")) && !config.isEmpty(),
                 "the test must never touch the real config directory");
        QVERIFY(QDir(config).removeRecursively() && QDir().mkpath(config));
        iniPath = config + u"/Vorlen.ini"_s;
    }
    void startsFromStoredRecord_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<game::Player>("start");
        QTest::addColumn<bool>("damaged"); // copied aside, and the game starts afresh
        const auto row = [](const char* name, const QByteArray& ini, const game::Player& start, bool damaged = false) {
            QTest::newRow(name) << ini << start << damaged;
        };
        const QByteArray full = "[player1]\nreelspeed=10\namountinvested=500\nwager=120\ntotal=80\n"
                                "bank=460\ngames=12\ncurrentplayer=ANNA\n";
        const auto start = [](game::Long bank, game::Integer speed = 1, game::Long games = 0, const char* name = "") {
            return game::Player{speed, 0, 0, 0, bank, games, name};
        };
        const game::Player anna{10, 500, 120, 80, 460, 12, "ANNA"}, none = start(0);
        row("empty store", {}, none);
        row("full record", full, anna);
        row("other slots ignored", "[player2]\nbank=9\n", none);
        row("bank not a number", "[player1]\nbank=lots\ngames=3\n", start(0, 1, 3));
        row("bank 12abc", "[player1]\nbank=12abc\n", none);
        row("bank 0x10", "[player1]\nbank=0x10\n", none);
        row("bank plus sign", "[player1]\nbank=+5\n", none);
        row("bank quoted blank", "[player1]\nbank=\" 5\"\n", none);
        row("bank negative", "[player1]\nbank=-25\n", start(-25));
        row("bank largest", "[player1]\nbank=2147483647\n", start(2147483647));
        row("bank past 32 bits", "[player1]\nbank=99999999999\n", none);
        row("reelspeed 0", "[player1]\nreelspeed=0\n", none);
        row("reelspeed 60", "[player1]\nreelspeed=60\n", start(0, 60));
        row("reelspeed 16-bit max", "[player1]\nreelspeed=32767\n", start(0, 32767));
        row("reelspeed past 16 bits", "[player1]\nreelspeed=40000\n", none);
        row("name with comma", "[player1]\ncurrentplayer=\"SMITH, J\"\n", start(0, 1, 0, "SMITH, J"));
        row("cut after a line", full.left(full.indexOf("games=")), {10, 500, 120, 80, 460, 0, ""});
        // A file that does not parse counts as empty rather than half-read.
        row("cut inside a key", full.left(full.indexOf("games=") + 4), none, true);
        row("cut inside a section", full + "[pla", none, true);
        row("binary garbage", QByteArray::fromRawData("\x01\x02\xff\xfe[[[==\n\n\x00\x7f", 13), none, true);
        row("10 MB of text", full + QByteArray(10 << 20, 'x'), none, true);
        row("10 MB of keys", full + QByteArray("k=v\n").repeated(10 << 18), anna);
        row("section twice", full + "[player1]\nbank=9\n", {10, 500, 120, 80, 9, 12, "ANNA"});
        row("empty value", "[player1]\nbank=\ngames=2\n", start(0, 1, 2));
        row("value amid blanks", "[player1]\nbank =  5  \n", start(5));
    }
    void startsFromStoredRecord()
    {
        QFETCH(QByteArray, ini);
        QFETCH(game::Player, start);
        QFETCH(bool, damaged);
        // A damaged file goes beside those of the rows before, never over one.
        const QString bad = iniPath + (copies.isEmpty() ? u".bad"_s : u".bad.%1"_s.arg(copies.size() + 1));
        QFile::remove(iniPath);
        QFile file(iniPath);
        QVERIFY(ini.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size()));
        file.close();

        fakes::FakeSound sound;
        fakes::FakeMessages messages;
        fakes::ScriptedRandom random;
        game::Keno keno(sound, messages, random);
        game::Changes seen = 0;
        keno.setListener([&](game::Changes what) { seen |= what; });
        platform::QtSettingsStore store;
        game::Player record;
        players::readRecord(store, 1, record);
        keno.startUp(record);
        players::reportSetAside(store, messages);

        const game::State& s = keno.state();
        QCOMPARE(s.player, start);
        QCOMPARE(s.creditCaption(), std::to_string(start.bank));
        // The rest of a fresh start: slot 1, a bet of 1, all of it shown.
        QVERIFY(s.playerno == "1" && s.bet == 1 && s.coinsbet == 1 && s.betpanCaption.empty() && seen == game::changeAll);
        QCOMPARE(sound.calls, (std::vector<fakes::FakeSound::Call>{{fakes::FakeSound::Kind::once, platform::Cue::snd104}}));

        if (damaged) {
            // Kept byte for byte, the store emptied in place (a link or its
            // permissions kept), the player told where, and the next save sound.
            copies[bad] = ini;
            for (auto [path, text] : copies.asKeyValueRange()) {
                QFile kept(path);
                QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == text);
            }
            QCOMPARE(QFileInfo(iniPath).size(), 0);
            QCOMPARE(messages.shown.size(), std::size_t(1));
            QCOMPARE(messages.shown[0].title, std::string("Slot_Vorlane"));
            QVERIFY(messages.shown[0].prompt.find(iniPath.toStdString() + "\r") != std::string::npos);
            QVERIFY(messages.shown[0].prompt.find(bad.toStdString()) != std::string::npos);
            QVERIFY(players::saveRecord(store, 1, s.player));
            game::Player saved;
            players::readRecord(platform::QtSettingsStore(), 1, saved);
            QCOMPARE(saved, s.player);
            return;
        }
        QVERIFY(messages.shown.empty());
        QVERIFY(!QFile::exists(bad));
        // Starting never writes the store: the file is exactly as it was.
        QCOMPARE(file.exists(), !ini.isEmpty());
        QVERIFY(ini.isEmpty() || (file.open(QIODevice::ReadOnly) && file.readAll() == ini));
    }
};

QTEST_GUILESS_MAIN(tst_startup)
#include "tst_startup.moc"
