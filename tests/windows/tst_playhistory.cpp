// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/memorystore.h"
#include "gamewindow.h"
#include "history/store.h"
#include "windows/frmvorlaneoptions.h"
#include "windows/historymenu.h"
#include "windows/playhistory.h"
#include "windows/recallwindow.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

Q_DECLARE_METATYPE(std::vector<int>)

using namespace Qt::StringLiterals;

// The play history as the player meets it: every play kept through the real
// game, recalled as the field showed it, cleared with the player's details,
// its troubles told once.
class tst_playhistory : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        game.reset();
        dir.reset();
        store = {};
    }
    void aPlayIsKeptAndRecalledAsItEnded_data()
    {
        QTest::addColumn<std::vector<int>>("balls");
        QTest::newRow("two hits") << std::vector<int>{1, 2};
        QTest::newRow("extra balls won, one more hit in them") << withExtras({1, 2, 3, 4}, {5});
        QTest::newRow("wild ball among three hits") << std::vector<int>{1, 81, 2, 3};
    }
    void aPlayIsKeptAndRecalledAsItEnded()
    {
        QFETCH(std::vector<int>, balls);
        start();
        play(balls);
        const QImage ended = render(game->window.field());
        const auto kept = history->store().plays(1, 10);
        QCOMPARE(kept.size(), std::size_t(1));
        QCOMPARE(static_cast<const game::PlayRecord&>(kept[0]), game->rig.keno.settledPlay());
        QVERIFY(std::equal(balls.begin(), balls.end(), kept[0].tubes[0].balls.begin()));
        QCOMPARE(kept[0].credit, game->rig.keno.state().player.bank);

        menu->mnurecall_Click();
        const auto recalls = GameWindow::windowsOf<windows::recallwindow>();
        QCOMPARE(recalls.size(), 1);
        QCOMPARE(recalls[0]->page().size(), std::size_t(1));
        const QImage recalled = render(recalls[0]->field());
        QCOMPARE(recalled.size(), ended.size());
        QVERIFY2(recalled == ended, "the recall differs from the field at the end of the play");
    }
    // Delete Details asks; only a Yes clears the slot's kept plays.
    void deleteDetailsAsksAndClearsTheHistory_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteDetailsAsksAndClearsTheHistory()
    {
        QFETCH(bool, yes);
        start();
        play({1, 2});
        const game::Long credit = game->rig.keno.state().player.bank;
        game->messages.answer = yes;
        game->trigger("mnudetails");
        auto* options = GameWindow::windowsOf<windows::frmvorlaneoptions>().value(0);
        QVERIFY(options);
        QTest::mouseClick(options->findChild<QPushButton*>(u"Btndeletedetails"_s), Qt::LeftButton);
        QCOMPARE(game->messages.shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(game->messages.shown[0].prompt).contains(u"play history"_s));
        QCOMPARE(history->store().plays(1, 10).size(), std::size_t(yes ? 0 : 1));
        QCOMPARE(game->rig.keno.state().player.bank, yes ? 0 : credit);
        options->close();
    }
    void troubleToldOnce_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("kept"); // plays kept of the two played
        QTest::newRow("damaged") << u"damaged"_s << u"moved aside"_s << 2;
        QTest::newRow("newer") << u"newer"_s << u"newer version"_s << 0;
    }
    void troubleToldOnce()
    {
        QFETCH(QString, fault);
        QFETCH(QString, words);
        QFETCH(int, kept);
        dir = std::make_unique<QTemporaryDir>();
        const QString file = dir->filePath(QString::fromLatin1(history::fileName));
        if (fault == u"damaged") {
            QFile text(file);
            QVERIFY(text.open(QIODevice::WriteOnly) && text.write(QByteArray(9000, 'k')) == 9000);
        } else {
            { history::Store made(dir->path().toStdString(), [](const history::Report&) {}); }
            QProcess::execute(u"sqlite3"_s, {file, u"PRAGMA user_version = 99"_s});
        }
        start();
        for (int k = 0; k < 2; ++k)
            play({1, 2});
        QCOMPARE(int(history->store().plays(1, 10).size()), kept);
        QTRY_COMPARE(game->messages.shown.size(), std::size_t(1));
        QTest::qWait(50);
        QCOMPARE(game->messages.shown.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(game->messages.shown[0].prompt).contains(words),
                 game->messages.shown[0].prompt.c_str());
    }

private:
    void start()
    {
        if (!dir)
            dir = std::make_unique<QTemporaryDir>();
        game = std::make_unique<GameWindow>(store, bank);
        QVERIFY(QTest::qWaitForWindowExposed(&game->window));
        history = new windows::PlayHistory(dir->path().toStdString(), game->rig.keno, game->window.presenter(),
                                           game->messages);
        menu = new windows::HistoryMenu(game->window, game->rig.keno, game->art, *history);
    }
    // Five spots, bet 1 on flute 1 whose draw begins with `balls`; played out, its extra balls collected.
    void play(const std::vector<int>& balls)
    {
        const std::vector<int> marked{1, 2, 3, 4, 5};
        if (game->rig.keno.state().spotsmarked == 0) {
            for (int n : marked)
                game->click(u"a"_s, n);
            game->click(u"btnBET"_s, 1);
        }
        // The wild ball is kept on the eighth turn that draws it.
        game->rig.state().wildcount = game::wildKeptEvery - 1;
        game->rig.random.flute(balls, marked);
        for (int f = 2; f <= 10; ++f)
            game->rig.random.flute({}, marked);
        game->click(u"PLAY"_s, 1);
        playOut();
        if (game->rig.keno.state().offer()) {
            game->click(u"extraballs"_s);
            playOut();
        }
        QVERIFY(!game->rig.keno.state().playing());
    }
    void playOut()
    {
        game->rig.clock.now += 3'600'000;
        game->animator().advance();
    }
    static QImage render(windows::FieldScene& field)
    {
        QImage image(field.sceneRect().size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        field.render(&painter);
        return image;
    }

    static constexpr game::Long bank = 100;
    std::unique_ptr<QTemporaryDir> dir;
    fakes::MemoryStore store;
    std::unique_ptr<GameWindow> game;
    windows::PlayHistory* history = nullptr;
    windows::HistoryMenu* menu = nullptr;
};

QTEST_MAIN(tst_playhistory)
#include "tst_playhistory.moc"
