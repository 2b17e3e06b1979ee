// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "gamewindow.h"

#include "fakes/memorystore.h"
#include "game/paytable.h"
#include "windows/dropanimator.h"

#include <QFile>
#include <QGraphicsLineItem>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {
// Four hits of five spots in the 20 balls, the fifth in the first extra ball.
const std::vector<int> extraBallsDraw = withExtras({1, 2, 3, 4}, {5});

// The contrast ratio of two colours, from their relative luminance.
double contrast(QColor a, QColor b)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const auto luminance = [&](QColor c) {
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}
} // namespace

// The play field lets the player reach every control at any window size and shows the game's state.
class tst_mainwindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        game = std::make_unique<GameWindow>(store);
        QVERIFY(QTest::qWaitForWindowExposed(&game->window));
    }
    void cleanup() { game.reset(); }
    void buttonsTakeTheirClicksAnywhere_data()
    {
        QTest::addColumn<bool>("playing"); // the flutes up and the extra balls on offer
        QTest::addColumn<QSize>("view");
        QTest::newRow("board") << false << QSize(818, 564);
        // Twice as wide but only one and a half times as high: the field keeps its shape.
        QTest::newRow("board in a larger window") << false << QSize(818 * 2, 564 * 3 / 2);
        QTest::newRow("flutes") << true << QSize(818, 564);
    }
    // The field fills the window as far as its shape allows, centred; what is shown lies inside it,
    // and every button shown takes a click anywhere on it, except the board's under the flute panel.
    void buttonsTakeTheirClicksAnywhere()
    {
        QFETCH(bool, playing);
        QFETCH(QSize, view);
        if (playing) {
            startPlay(5, extraBallsDraw);
            playOut();
        }
        QCOMPARE(game->item("ballplay")->isVisible(), playing);
        game->window.resize(game->window.size() - game->view()->size() + view);
        QTRY_COMPARE(game->view()->size(), view);
        const qreal scale = view.height() / 564.0;
        QCOMPARE(game->view()->transform(), QTransform::fromScale(scale, scale));
        QCOMPARE(game->view()->mapFromScene(QPointF(0, 0)), QPoint((view.width() - qRound(818 * scale)) / 2, 0));
        const QGraphicsItem* board = game->item("Picture1");
        int buttons = 0;
        for (QGraphicsItem* item : game->window.field().items()) {
            if (!item->isVisible())
                continue;
            QVERIFY(game->window.field().sceneRect().contains(item->sceneBoundingRect()));
            // The flutes take a click around the balls in them.
            if (!item->hasCursor() || item == game->item("ballplay"))
                continue;
            QCOMPARE(item->cursor().shape(), Qt::PointingHandCursor);
            const bool covered = playing && item->parentItem() == board;
            buttons += !covered;
            const QRectF inside = item->sceneBoundingRect().adjusted(2, 2, -2, -2);
            for (const QPointF p : {inside.center(), inside.topLeft(), inside.topRight(), inside.bottomLeft(),
                                    inside.bottomRight()})
                QVERIFY2((game->view()->itemAt(game->view()->mapFromScene(p)) == item) != covered,
                         qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        }
        // COINS and EXTRA BALLS; or the board, COINS, AUTO SELECT, ERASE, the bets and the plays.
        QCOMPARE(buttons, playing ? 2 : 80 + 3 + 4 + 4);
        game->click("coinsin");
        QCOMPARE(game->caption("credit"), QString::number(playing ? 34 : 40));
    }
    // Each stop line lies under the payout panel of the first hit count that
    // wins, as the h-th stacked ball stands level with the panel of h hits, and
    // crosses all ten tubes inside the flute panel's frame.
    void stopLinesMarkTheFirstWin()
    {
        const QRectF flutes = place("ballplay");
        for (int line = 1; line <= 4; ++line) {
            auto* stop = dynamic_cast<QGraphicsLineItem*>(game->item(QStringLiteral("stop%1").arg(line + 1)));
            const QLineF drawn(stop->mapToScene(stop->line().p1()), stop->mapToScene(stop->line().p2()));
            const QRectF panel = place(QStringLiteral("SSPanel%1").arg(windows::layout::panelFor(line + 1)));
            QVERIFY(qAbs(drawn.y1() - panel.bottom()) <= 1);
            QVERIFY(drawn.x1() > flutes.left() && drawn.x1() <= flutes.left() + 20);
            QVERIFY(drawn.x2() >= flutes.left() + 480 && drawn.x2() < flutes.right() - 1);
            QVERIFY(!stop->isVisible());
        }
    }
    // A ball falling through places between pixels, on a field scaled by any
    // factor, is rendered at one size: its picture is never made again.
    void aFallingBallIsRenderedOnce_data()
    {
        QTest::addColumn<qreal>("scale");
        for (const qreal scale : {0.8, 1.5, 2.37})
            QTest::addRow("%g", scale) << scale;
    }
    void aFallingBallIsRenderedOnce()
    {
        QFETCH(qreal, scale);
        windows::PictureItem* ball = game->picture(QStringLiteral("dropball"), 1);
        ball->parentItem()->show();
        ball->show();
        const int before = game->art.rendersAgain();
        for (qreal top = 0; top < 30; top += 0.37) {
            ball->setPos(24.3 + top / 7, top);
            const QRectF area = ball->sceneBoundingRect().adjusted(-2, -2, 2, 2);
            QImage image((area.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&image);
            game->window.field().render(&painter, QRectF(image.rect()), area);
        }
        QCOMPARE(game->art.rendersAgain(), before);
    }
    void clicksReachTheirCommands_data()
    {
        QTest::addColumn<bool>("byKey"); // the buttons' keys in place of their clicks
        QTest::addColumn<QStringList>("clicks"); // control or control:index
        QTest::addColumn<int>("spots");
        QTest::addColumn<QString>("credit");
        QTest::addColumn<QString>("coinsbet");
        QTest::addColumn<QList<int>>("heard"); // the sounds, by their resource numbers
        QTest::addColumn<QString>("told");     // the one message box, if any
        const QStringList three{"a:1", "a:2", "a:3"};
        const QList<int> marked{108, 108, 108};
        for (const bool byKey : {false, true}) {
            const auto row = [byKey](const char* name) -> QTestData& {
                return QTest::addRow("%s%s", name, byKey ? " by key" : "") << byKey;
            };
            row("start") << QStringList{} << 0 << "35" << "bet1" << QList<int>{} << QString();
            row("mark") << QStringList{"a:5", "a:17"} << 2 << "35" << "bet1" << QList<int>{108, 108} << QString();
            row("unmark, silently") << QStringList{"a:5", "a:17", "a:5"} << 1 << "35" << "bet1" << QList<int>{108, 108} << QString();
            row("coins") << QStringList{"coinsin", "coinsin"} << 0 << "45" << "bet1" << QList<int>{103, 103} << QString();
            row("bet 5") << QStringList{"btnBET:3"} << 0 << "35" << "bet5" << QList<int>{} << QString();
            row("bet 10") << QStringList{"btnBET:4"} << 0 << "35" << "bet10" << QList<int>{} << QString();
            row("erase") << QStringList{"a:5", "a:17", "RUBBER"} << 0 << "35" << "bet1" << QList<int>{108, 108, 102} << QString();
            row("auto select") << QStringList{"AUTOSELECT"} << 10 << "35" << "bet1" << QList<int>{102} << QString();
            row("strip click does nothing") << QStringList{"a:5", "ball:1"} << 1 << "35" << "bet1" << QList<int>{108} << QString();
            row("no extra balls on offer") << QStringList{"extraballs"} << 0 << "35" << "bet1" << QList<int>{} << QString();
            for (const int flutes : {3, 5, 10})
                row(qPrintable(QStringLiteral("PLAY %1").arg(flutes)))
                    << three + QStringList{QStringLiteral("PLAY:%1").arg(flutes)} << 3 << QString::number(35 - flutes)
                    << "bet1" << marked << QString();
            // A play under way hides the bets and refuses coins, whether clicked or keyed.
            row("during a play") << three + QStringList{"PLAY:1", "btnBET:3", "coinsin", "RUBBER"} << 3 << "34"
                                 << "bet1" << marked << QString();
            // Refused: "bank:N" and "bet:N" stand for a credit and a bet no click gives.
            row("no credit") << QStringList{"bank:0", "a:5"} << 0 << "0" << "bet1" << QList<int>{}
                             << "YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS\r CLICK ON COINS BUTTON";
            row("two spots") << QStringList{"a:1", "a:2", "PLAY:1"} << 2 << "35" << "bet1" << QList<int>{108, 108}
                             << "MARK FROM 3 TO 10 SPOTS (Click on the Numbered Balls) !!";
            row("stake over credit") << three + QStringList{"btnBET:4", "PLAY:10"} << 3 << "35" << "bet10" << marked
                                     << "You Are Trying To Bet  100\rCoins...But You Only Have  35\r"
                                        "Use COINS Button To Insert More Credit";
            row("no bet") << three + QStringList{"bet:0", "PLAY:1"} << 3 << "35" << "" << marked
                          << "How Much Do You Want To Bet ??\r Click One Of The Bet Buttons  ";
        }
    }
    // The strip shows the spots in the order marked, the board marks them, and
    // the panels and bet picture follow.
    void clicksReachTheirCommands()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, spots);
        QFETCH(QString, credit);
        QFETCH(QString, coinsbet);
        QFETCH(bool, byKey);
        QFETCH(QList<int>, heard);
        QFETCH(QString, told);
        static const QHash<QString, QKeyCombination> keys{
            {"coinsin", Qt::Key_C},           {"btnBET:3", Qt::Key_5},          {"btnBET:4", Qt::Key_0},
            {"RUBBER", Qt::Key_E},            {"AUTOSELECT", Qt::Key_A},        {"extraballs", Qt::Key_X},
            {"PLAY:1", Qt::CTRL | Qt::Key_1}, {"PLAY:3", Qt::CTRL | Qt::Key_3}, {"PLAY:5", Qt::CTRL | Qt::Key_5},
            {"PLAY:10", Qt::CTRL | Qt::Key_0}};
        game->sound.calls.clear();
        if (clicks.filter(QStringLiteral("PLAY")).size() > 0)
            for (int f = 1; f <= 10; ++f)
                game->rig.random.flute({1, 2}, {1, 2, 3}); // hits take time to fall
        else
            game->rig.random.script.assign(10, 1);
        for (const QString& control : clicks) {
            const QStringList parts = control.split(u':');
            if (parts[0] == u"bank") {
                game->rig.state().player.bank = parts[1].toInt();
            } else if (parts[0] == u"bet") {
                game->rig.state().bet = parts[1].toShort();
            } else if (byKey && keys.contains(control)) {
                const QKeyCombination key = keys[control];
                const QGraphicsItem* item = game->item(parts[0], parts.value(1).toInt());
                QVERIFY2(item->toolTip().contains(QKeySequence(key).toString(QKeySequence::NativeText)), qPrintable(control));
                QTest::keyClick(&game->window, key.key(), key.keyboardModifiers());
            } else {
                game->click(parts[0], parts.value(1).toInt());
            }
        }
        QList<int> strip;
        for (int k = 1; k <= 10; ++k)
            if (windows::PictureItem* ball = game->picture("ball", k); ball->isVisible())
                strip << ball->number();
        QCOMPARE(strip.size(), spots);
        for (int k = 1; k <= spots; ++k)
            QCOMPARE(strip[k - 1], int(game->rig.keno.state().spots[std::size_t(k)]));
        for (int n = 1; n <= 80; ++n) {
            const windows::PictureItem* ball = game->picture("a", n);
            QCOMPARE(ball->number(), n);
            QCOMPARE(ball->picture(), strip.contains(n) ? QStringLiteral("ball2") : QStringLiteral("ball1"));
            QCOMPARE(ball->numberColor(), strip.contains(n) ? QColor(255, 255, 0) : QColor(Qt::black));
        }
        QCOMPARE(game->caption("credit"), credit);
        QCOMPARE(game->picture("coinsbet")->picture(), coinsbet);
        for (int i = 1; i <= 4; ++i) // the chosen bet is lit
            QCOMPARE(game->picture("btnBET", i)->isLit(), game->picture("btnBET", i)->picture() == coinsbet);
        QCOMPARE(cues(), heard);
        QCOMPARE(game->messages.shown.size(), std::size_t(!told.isEmpty()));
        if (!told.isEmpty()) {
            QCOMPARE(QString::fromStdString(game->messages.shown[0].prompt), told);
            QVERIFY(game->messages.shown[0].icon == platform::Messages::Icon::critical && game->messages.shown[0].title.empty());
        }
    }
    void ladderShowsTheBetTimesThePrize_data()
    {
        QTest::addColumn<int>("spots");
        for (int spots = 0; spots <= 10; ++spots)
            QTest::addRow("%d spots", spots) << spots;
    }
    // Beside the flutes, the panel of each number of hits shows its prize at the bet chosen, the
    // line prize in black from five spots up, and a line across the flutes marks where wins begin.
    void ladderShowsTheBetTimesThePrize()
    {
        QFETCH(int, spots);
        static constexpr int lineOf[11] = {0, 0, 0, 1, 2, 2, 3, 3, 4, 4, 4};
        // The ladder, top to bottom: SSPanel2 for 10 hits down to SSPanel9 for 2.
        static constexpr int panelOf[11] = {0, 0, 9, 8, 7, 1, 6, 5, 4, 3, 2};
        for (int n = 1; n <= spots; ++n)
            game->click("a", n * 7);
        for (const auto& [button, bet] : {std::pair{4, 10}, {1, 1}}) {
            game->click("btnBET", button);
            for (int hits = 2; hits <= 10; ++hits) {
                const auto* panel = dynamic_cast<windows::PanelItem*>(game->item(QStringLiteral("SSPanel%1").arg(panelOf[hits])));
                const int prize = hits <= spots ? game::paytable::prize(spots, hits) : 0;
                QCOMPARE(panel->caption(), prize ? QString::number(bet * prize) : QString());
                QCOMPARE(panel->foreColor() == Qt::black, spots >= 5 && hits == lineOf[spots] + 1);
            }
            for (int line = 1; line <= 4; ++line) {
                const QGraphicsItem* stop = game->item(QStringLiteral("stop%1").arg(line + 1));
                QCOMPARE(stop->isVisibleTo(stop->parentItem()), spots >= 3 && line == lineOf[spots]);
            }
        }
    }
    // Ctrl+M asks for silence and leaves the menu bar as it is; Exit (its key
    // Ctrl+Q) stops the sound.
    void menuExitStopsTheSound()
    {
        QSignalSpy asked(&game->window, &windows::vorlane::soundToggleRequested);
        QTest::keyClick(&game->window, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(game->window.menuBar()->actions().size(), 5);
        QTest::keyClick(&game->window, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!game->window.isVisible());
        QCOMPARE(game->sound.calls.back().kind, fakes::FakeSound::Kind::stop);
    }
    // The arrows move the frame, Space and Enter mark and unmark under it, each edge holds it;
    // + and - step through the five speeds, say so on the field and keep it.
    void boardAndSpeedByKeys()
    {
        QWidget* field = game->view();
        for (const auto key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Space, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return,
                               Qt::Key_Space, Qt::Key_Right, Qt::Key_Enter})
            QTest::keyClick(field, key);
        QVERIFY(game->rig.keno.state().spotmarked[1] && game->rig.keno.state().spotmarked[13]);
        QCOMPARE(game->rig.keno.state().spotsmarked, game::Integer(2));
        for (const auto& [key, speed, shown] : {std::tuple{Qt::Key_Plus, 30, "2"}, {Qt::Key_Plus, 60, "1"},
                                                {Qt::Key_Plus, 60, "1"}, {Qt::Key_Minus, 30, "2"}}) {
            QTest::keyClick(field, key);
            QCOMPARE(store.value("player1", "reelspeed").value_or(""), std::to_string(speed));
            QCOMPARE(game->caption("note"), QStringLiteral("SPEED %1 OF 5   (+ FASTER,  - SLOWER)").arg(shown));
        }
    }
    void wholePlayThroughClicks_data()
    {
        QTest::addColumn<int>("spots");
        QTest::addColumn<std::vector<int>>("balls"); // flute 1's first balls
        QTest::addColumn<bool>("extraBalls");
        QTest::addColumn<qint64>("won");
        QTest::addColumn<int>("closeAt"); // the window closed: 0 never, 1 during the drop, 2 at the extra-ball offer
        QTest::addColumn<int>("finish"); // the base drop runs out: 0 by the clock, 1 by Space, 2 by a click on the flutes
        QTest::addColumn<QList<int>>("heard"); // from the start to the end of the play, unless closed
        const qint64 top = game::paytable::prize(3, 3), extra = game::paytable::scoreExtraBalls(5, 5, false, 1);
        // The start, the spots marked, the hits above the line, the win or the offer; the spot still
        // missing, the extra balls' loop, their hit and their pay.
        QTest::newRow("top prize") << 3 << std::vector<int>{1, 2, 3} << false << top << 0 << 0
                                   << QList<int>{104, 108, 108, 108, 101, 101, 104};
        QTest::newRow("top prize, Space") << 3 << std::vector<int>{1, 2, 3} << false << top << 0 << 1
                                          << QList<int>{104, 108, 108, 108, 104};
        QTest::newRow("nothing") << 3 << std::vector<int>{1} << false << qint64(0) << 0 << 0 << QList<int>{104, 108, 108, 108};
        QTest::newRow("extra balls") << 5 << extraBallsDraw << true << extra << 0 << 0
                                     << QList<int>{104, 108, 108, 108, 108, 108, 101, 101, 110, 111, 1107, 106, 105};
        QTest::newRow("extra balls, flutes clicked") << 5 << extraBallsDraw << true << extra << 0 << 2
                                                     << QList<int>{104, 108, 108, 108, 108, 108, 110, 111, 1107, 106, 105};
        QTest::newRow("closed during the drop") << 3 << std::vector<int>{1, 2, 3} << false << top << 1 << 0 << QList<int>{};
        QTest::newRow("closed at the extra-ball offer") << 5 << extraBallsDraw << true << extra << 2 << 0 << QList<int>{};
    }
    // Plays one flute by the clock: GOOD LUCK stands in for the play controls, and the prize lands
    // on the credit once the last ball has fallen, or at once by Space or a click on the flutes,
    // the rest unheard. Whatever a restless player reaches meanwhile, even hidden buttons, is
    // not honoured but answered on the field; closed before its end, the play is paid and kept.
    void wholePlayThroughClicks()
    {
        QFETCH(int, spots);
        QFETCH(std::vector<int>, balls);
        QFETCH(bool, extraBalls);
        QFETCH(qint64, won);
        QFETCH(int, closeAt);
        QFETCH(int, finish);
        QFETCH(QList<int>, heard);
        startPlay(spots, balls);
        QVERIFY(game->item("goodluck")->isVisible() && !game->item("PLAY", 1)->isVisible());
        const auto press = [this](const char* name, int index = 0) {
            game->click(QString::fromLatin1(name), index);
            emit game->picture(QString::fromLatin1(name), index)->clicked(index);
        };
        for (int round = 0; round < 25; ++round) {
            for (int flutes : {1, 3, 5, 10})
                press("PLAY", flutes);
            for (const char* button : {"coinsin", "extraballs", "AUTOSELECT", "RUBBER"})
                press(button);
            press("btnBET", 4);
            for (const char* menu : {"mnuabout", "mnupay", "mnudetails", "mnuhelp"})
                game->trigger(menu);
            for (const Qt::Key key : {Qt::Key_C, Qt::Key_0, Qt::Key_A, Qt::Key_E, Qt::Key_X, Qt::Key_F1})
                QTest::keyClick(&game->window, key);
            QTest::keyClick(&game->window, Qt::Key_3, Qt::ControlModifier);
            game->rig.clock.now += 10;
            game->animator().advance();
        }
        QVERIFY(game->animator().running());
        QCOMPARE(game->caption("credit"), QStringLiteral("34"));
        QVERIFY(game->messages.shown.empty());
        QVERIFY(game->item("note")->isVisible());
        QCOMPARE(game->caption("note"), QStringLiteral("BALLS ARE FALLING:   SPACE FINISHES THEM"));
        // Only the payout schedule, which stands beside the field, opens.
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible), 2);
        QVERIFY(game->window.isEnabled());
        const auto stored = [this](const char* key) { return store.value("player1", key).value_or("(none)"); };
        const auto kept = [&](qint64 paid) {
            QCOMPARE(stored("bank"), std::to_string(35 - 1 + paid));
            QCOMPARE(stored("total"), std::to_string(paid));
            QCOMPARE(stored("wager") + stored("games"), std::string("11"));
        };
        const auto closeAndFindThePlayKept = [&] {
            game->window.close();
            QVERIFY(!game->animator().running() && !game->rig.keno.state().playing());
            kept(won);
        };
        if (closeAt == 1)
            return closeAndFindThePlayKept();

        if (finish == 1)
            QTest::keyClick(game->view(), Qt::Key_Space);
        else if (finish == 2)
            game->click("ballplay");
        else
            playOut();
        QVERIFY(!game->animator().running());
        // "Balls are falling" is over with them; an offer keeps its own line.
        QCOMPARE(game->item("note")->isVisible(), extraBalls);
        auto* ballflash = game->window.findChild<QTimer*>(QStringLiteral("ballflash"));
        QCOMPARE(game->item("extraballs")->isVisible(), extraBalls);
        if (extraBalls) // kept at the offer, paid what the base draw won
            kept(game->caption("winnings").toLongLong());
        if (closeAt == 2)
            return closeAndFindThePlayKept();
        if (extraBalls) {
            QVERIFY(!ballflash->isActive());
            QVERIFY(game->window.findChild<QTimer*>(QStringLiteral("extraballtimer"))->isActive());
            game->click("extraballs");
            QVERIFY(game->animator().running());
            playOut();
            QVERIFY(!game->animator().running());
            QVERIFY(!game->item("extraballs")->isVisible());
        }
        QCOMPARE(game->caption("credit"), QString::number(35 - 1 + won));
        QCOMPARE(cues(), heard);
        // Flute 1's hits, extra balls and all, stay where they fell.
        int shown = 0;
        for (int k = 1; k <= game::dropballCount; ++k)
            shown += game->item(QStringLiteral("dropball"), k)->isVisible();
        QCOMPARE(shown, int(game->rig.keno.state().flutehits[1]));
        QCOMPARE(ballflash->isActive(), won > 0); // only a win has balls to blink
        QVERIFY(game->item("PLAY", 1)->isVisible() && !game->item("goodluck")->isVisible());
        game->click("coinsin");
        QCOMPARE(game->caption("credit"), QString::number(35 - 1 + won + 5));
        QCOMPARE(stored("amountinvested"), "5"); // kept at once
        QCOMPARE(game->rig.keno.state().player.games, game::Long(1));
    }
    void captionsFitAndStandOut_data()
    {
        QTest::addColumn<int>("spots");
        QTest::addColumn<int>("betButton");
        QTest::addColumn<int>("bank");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("win");
        // 5 spots: the line prize in black on its own panel.
        QTest::newRow("line prize") << 5 << 1 << 35 << "1" << "3";
        QTest::newRow("widest captions") << 10 << 4 << 2147483647 << "100" << "100000";
    }
    // Every caption is drawn whole inside its panel at a contrast of at least 4.5:1 to its face,
    // measured on the drawn pixels; with the game's own font, a system without fonts draws the same.
    void captionsFitAndStandOut()
    {
        QFETCH(int, spots);
        QFETCH(int, betButton);
        QFETCH(int, bank);
        QFETCH(QString, stake);
        QFETCH(QString, win);
        game = std::make_unique<GameWindow>(store, bank);
        for (int n = 1; n <= spots; ++n)
            game->rig.keno.markSpot(n);
        game->rig.keno.chooseBet(betButton);
        const auto panel = [this](const char* name) { return dynamic_cast<windows::PanelItem*>(game->item(name)); };
        panel("betpan")->setCaption(stake, Qt::yellow);
        panel("winnings")->setCaption(win, Qt::yellow);
        const QImage field = game->view()->viewport()->grab().toImage();
        if (const QString out = qEnvironmentVariable("FIELD_SHOT_TO"); !out.isEmpty()) {
            QVERIFY(field.save(out));
            return;
        }
        int shown = 0;
        for (QGraphicsItem* each : game->window.field().items()) {
            auto* item = dynamic_cast<windows::PanelItem*>(each);
            if (!item || item->caption().isEmpty())
                continue;
            ++shown;
            // The pixels that differ with and without the caption are its ink: clear of the bevel (a
            // caption too wide is cut at the panel's edge), each against the face drawn beneath it.
            const QImage withCaption = render(item->sceneBoundingRect());
            const QString caption = item->caption();
            item->setCaption({}, item->foreColor());
            const QImage ground = render(item->sceneBoundingRect());
            item->setCaption(caption, item->foreColor());
            const QRect room = item->captionRoom().toRect();
            double best = 0;
            for (int y = 0; y < ground.height(); ++y)
                for (int x = 0; x < ground.width(); ++x) {
                    if (withCaption.pixel(x, y) == ground.pixel(x, y))
                        continue;
                    QVERIFY2(room.contains(x, y), qPrintable(QStringLiteral("%1 inked at %2,%3").arg(item->objectName()).arg(x).arg(y)));
                    best = std::max(best, contrast(ground.pixelColor(x, y), withCaption.pixelColor(x, y)));
                }
            QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(item->objectName()).arg(best)));
        }
        QVERIFY(shown >= 6);
        if (spots < 10) // the full strip and the widest captions show the most glyphs
            return;
        QTemporaryDir dir;
        QFile config(dir.filePath(QStringLiteral("fonts.conf")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("<?xml version=\"1.0\"?><fontconfig><cachedir>" + dir.path().toUtf8() + "</cachedir></fontconfig>\n");
        config.close();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());
        env.insert(QStringLiteral("FIELD_SHOT_TO"), dir.filePath(QStringLiteral("field.png")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("captionsFitAndStandOut:widest captions")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QImage(dir.filePath(QStringLiteral("field.png"))).convertToFormat(QImage::Format_RGB32),
                 field.convertToFormat(QImage::Format_RGB32));
    }

private:
    // Marks spots 1..spots and plays one flute whose first balls are `balls`.
    void startPlay(int spots, const std::vector<int>& balls)
    {
        std::vector<int> marked;
        for (int n = 1; n <= spots; ++n) {
            game->click("a", n);
            marked.push_back(n);
        }
        game->rig.random.flute(balls, marked);
        for (int f = 2; f <= 10; ++f)
            game->rig.random.flute({}, marked);
        game->click("PLAY", 1);
    }
    // Long past any drop.
    void playOut()
    {
        game->rig.clock.now += 3'600'000;
        game->animator().advance();
    }
    // The sounds started so far, by their resource numbers; a loop counts as its number and 1000.
    QList<int> cues() const
    {
        QList<int> numbers;
        for (const auto& call : game->sound.calls)
            if (call.kind != fakes::FakeSound::Kind::stop)
                numbers << int(call.cue) + 101 + (call.kind == fakes::FakeSound::Kind::loop ? 1000 : 0);
        return numbers;
    }
    QRectF place(const QString& name, int index = 0) const { return game->item(name, index)->sceneBoundingRect(); }
    QImage render(const QRectF& area) const
    {
        QImage image(area.size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        game->window.field().render(&painter, QRectF(QPointF(0, 0), area.size()), area);
        return image;
    }
    fakes::MemoryStore store;
    std::unique_ptr<GameWindow> game;
};

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
