// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/scriptedrandom.h"
#include "game/keno.h"
#include "platform/qtsettingsstore.h"
#include "players/playerrecords.h"
#include "players/recordsaver.h"
#include "windows/recordnotices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(game::Player)

using namespace Qt::StringLiterals;

// The game starts from whatever the player's settings file holds, read
// strictly: a value that is not a number in range leaves its start value, and
// the file is kept aside before anything can be written over it.
class tst_startup : public QObject {
    Q_OBJECT
    QString iniPath;
    QMap<QString, QByteArray> copies; // of the damaged files met so far

    static bool write(const QString& path, const QByteArray& text)
    {
        QFile out(path);
        return out.open(QIODevice::WriteOnly) && out.write(text) == text.size();
    }
    static QByteArray contents(const QString& path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(none)");
    }

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
        // Why the file is copied aside: "file" when it does not parse (the game
        // starts afresh), else the values it cannot take ("key = text"), if any.
        QTest::addColumn<QString>("kept");
        const auto row = [](const char* name, const QByteArray& ini, const game::Player& start, const char* kept = "") {
            QTest::newRow(name) << ini << start << QString::fromUtf8(kept);
        };
        const QByteArray full = "[player1]\nreelspeed=10\namountinvested=500\nwager=120\ntotal=80\n"
                                "bank=460\ngames=12\ncurrentplayer=ANNA\n";
        const auto start = [](game::Long bank, game::Integer speed = 10, game::Long games = 0, const char* name = "") {
            return game::Player{speed, 0, 0, 0, bank, games, name};
        };
        const game::Player anna{10, 500, 120, 80, 460, 12, "ANNA"}, none = start(0);
        row("empty store", {}, none);
        row("full record", full, anna);
        // Other programs' and players' text, read otherwise by QSettings, stays byte for byte.
        row("other players as they are",
            "; kept\n[player2]\ncurrentplayer=a;b#c=d\n\n[player3]\ncurrentplayer=\xff\xfeZ\n" + full, anna);
        row("bank not a number", "[player1]\nbank=lots\ngames=3\n", start(0, 10, 3), "bank = lots");
        row("bank 12abc", "[player1]\nbank=12abc\n", none, "bank = 12abc");
        row("bank 0x10", "[player1]\nbank=0x10\n", none, "bank = 0x10");
        row("bank plus sign", "[player1]\nbank=+250\n", none, "bank = +250");
        row("bank decimal point", "[player1]\nbank=250.0\n", none, "bank = 250.0");
        row("bank quoted blank", "[player1]\nbank=\" 5\"\n", none, "bank =  5");
        row("bank negative", "[player1]\nbank=-25\n", start(-25));
        row("bank largest", "[player1]\nbank=2147483647\n", start(2147483647));
        row("bank past 32 bits", "[player1]\nbank=2147483648\ncurrentplayer=ANN\n", start(0, 10, 0, "ANN"),
            "bank = 2147483648");
        row("reelspeed 0", "[player1]\nreelspeed=0\n", none);
        row("reelspeed 60", "[player1]\nreelspeed=60\n", start(0, 60));
        row("reelspeed none of the five", "[player1]\nreelspeed=32767\n", none); // plays at the middle one
        row("reelspeed past 16 bits", "[player1]\nreelspeed=40000\n", none, "reelspeed = 40000");
        row("name with comma", "[player1]\ncurrentplayer=\"SMITH, J\"\n", start(0, 10, 0, "SMITH, J"));
        row("cut after a line", full.left(full.indexOf("games=")), {10, 500, 120, 80, 460, 0, ""});
        // A file that does not parse counts as empty rather than half-read.
        row("cut inside a key", full.left(full.indexOf("games=") + 4), none, "file");
        row("cut inside a section", full + "[pla", none, "file");
        row("binary garbage", QByteArray::fromRawData("\x01\x02\xff\xfe[[[==\n\n\x00\x7f", 13), none, "file");
        row("10 MB of text", full + QByteArray(10 << 20, 'x'), none, "file");
        row("10 MB of keys", full + QByteArray("k=v\n").repeated(10 << 18), anna);
        row("section twice", full + "[player1]\nbank=9\n", {10, 500, 120, 80, 9, 12, "ANNA"});
        row("last line left open", "note=\"a quote never closed", none); // what follows it would join it
        row("empty value", "[player1]\nbank=\ngames=2\n", start(0, 10, 2));
        row("value amid blanks", "[player1]\nbank =  5  \n", start(5));
    }
    void startsFromStoredRecord()
    {
        QFETCH(QByteArray, ini);
        QFETCH(game::Player, start);
        QFETCH(QString, kept);
        // A damaged file goes beside those of the rows before, never over one.
        const QString bad = iniPath + (copies.isEmpty() ? u".bad"_s : u".bad.%1"_s.arg(copies.size() + 1));
        QFile::remove(iniPath);
        QVERIFY(ini.isEmpty() || write(iniPath, ini));
        // Left by a write of a game killed before it was done.
        QVERIFY(write(iniPath + u".4194305.0.new"_s, "[pla"));

        fakes::ScriptedRandom random;
        game::Keno keno(random);
        std::vector<game::Event> told;
        keno.setListener([&](const game::Event& event) { told.push_back(event); });
        const game::State& s = keno.state();
        QStringList notices;
        {
            platform::QtSettingsStore store;
            game::Player record;
            const auto unread = players::readRecord(store, 1, record);
            keno.startUp(record);
            notices << windows::unreadNotice(store, 1, unread);
            players::RecordSaver saver(store, [&](players::Trouble trouble) {
                notices << windows::recordNotice(trouble, store);
            });
            saver.checkAtStart();
            // Ended after events that changed nothing: nothing is written, a
            // value the game could not take stays.
            saver.keep(1, s.player);
            saver.keep(1, s.player);
            saver.saveAtEnd(1, s.player);
        }
        notices.removeAll(QString());
        QCOMPARE(s.player, start);
        // The rest of a fresh start: slot 1, a bet of 1, the credit shown.
        QVERIFY(s.playerno == 1 && s.bet == 1 && s.shownStake == 0 && !s.creditBlank);
        QCOMPARE(told, std::vector<game::Event>{{game::Event::gameStarted}});
        QVERIFY(!QFile::exists(iniPath + u".4194305.0.new"_s));

        if (kept.isEmpty()) {
            QVERIFY(notices.isEmpty());
            QVERIFY(!QFile::exists(bad));
        } else {
            // Told once where, what and whose, and kept byte for byte beside the
            // copies of the rows before.
            copies[bad] = ini;
            for (auto [path, text] : copies.asKeyValueRange())
                QCOMPARE(contents(path), text);
            QCOMPARE(notices.size(), 1);
            for (const QString& words : QStringList{iniPath + u'\r', bad, kept == u"file" ? u"could not be read"_s : kept + u'\r'})
                QVERIFY2(notices[0].contains(words), qPrintable(notices[0]));
        }
        // Starting never writes the store (a damaged file is emptied in place, a
        // link or its permissions kept).
        QCOMPARE(contents(iniPath), kept == u"file" ? QByteArray() : ini.isEmpty() ? QByteArray("(none)") : ini);

        // A save changes the record's own lines and no other byte.
        game::Player changed = start;
        changed.bank = 77;
        {
            platform::QtSettingsStore store;
            QVERIFY(players::saveRecord(store, 1, changed));
        }
        game::Player saved;
        platform::QtSettingsStore again;
        players::readRecord(again, 1, saved);
        QCOMPARE(saved, changed);
        const QList<QByteArray> after = contents(iniPath).split('\n');
        const QSet<QByteArray> lines(after.begin(), after.end());
        static const QRegularExpression ours(u"^\\s*(reelspeed|amountinvested|wager|total|bank|games|currentplayer)\\s*="_s);
        for (const QByteArray& line : kept == u"file" ? QList<QByteArray>() : ini.split('\n'))
            QVERIFY2(lines.contains(line) || ours.match(QString::fromUtf8(line)).hasMatch(), line.left(80));
    }
};

QTEST_GUILESS_MAIN(tst_startup)
#include "tst_startup.moc"
