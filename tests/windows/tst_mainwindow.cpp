// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/fakeclock.h"
#include "fakes/fakemessages.h"
#include "fakes/fakesound.h"
#include "fakes/memorystore.h"
#include "fakes/scriptedrandom.h"
#include "game/keno.h"
#include "game/paytable.h"
#include "windows/artrenderer.h"
#include "windows/dropanimator.h"
#include "windows/panelitem.h"
#include "windows/pictureitem.h"
#include "windows/vorlane.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QStyleOptionGraphicsItem>
#include <QTemporaryDir>
#include <cmath>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>
#include <QGraphicsLineItem>
#include <QGraphicsView>
#include <QTest>
#include <memory>

// The play field must put every control where the player expects it, at
// any window size, and show the state the game starts in.
class tst_mainwindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();
    void stopLinesCrossTheFlutes_data();
    void stopLinesCrossTheFlutes();
    void startsWithTheBoardAndBetOne();
    void clicksReachTheirCommands_data();
    void clicksReachTheirCommands();
    void fieldScalesWithTheWindow();
    void menuExitStopsTheSound_data();
    void menuExitStopsTheSound();
    void wholePlayThroughClicks_data();
    void wholePlayThroughClicks();
    void closingMidPlayKeepsTheSettledPlay_data() { wholePlayThroughClicks_data(); }
    void closingMidPlayKeepsTheSettledPlay();
    void picturesRenderOncePerSize();
    void clickStormDuringADrop();
    void ctrlMAsksForSilence();
    void captionsFitAndStandOut_data();
    void captionsFitAndStandOut();
    void ballsAndMissesAreRound_data();
    void ballsAndMissesAreRound();
    void buttonsAnswerThePointer();
    void fieldLooksTheSameWithoutSystemFonts();

private:
    void startPlay(int spots, const QList<int>& balls);
    void click(const QString& name, int index = 0);
    QString caption(const char* panel) const;
    QImage render(const QRectF& area) const;
    fakes::FakeSound sound;
    fakes::FakeMessages messages;
    fakes::ScriptedRandom random;
    fakes::MemoryStore store;
    fakes::FakeClock clock;
    std::unique_ptr<game::Keno> keno;
    std::unique_ptr<windows::ArtRenderer> art;
    std::unique_ptr<windows::vorlane> window;
};

void tst_mainwindow::init()
{
    sound.calls.clear();
    random.script.clear();
    keno = std::make_unique<game::Keno>(sound, messages, random);
    art = std::make_unique<windows::ArtRenderer>();
    window = std::make_unique<windows::vorlane>(*keno, *art, messages, store, sound, clock);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    game::Player record;
    record.bank = 35;
    record.currentplayer = "ANNA";
    keno->startUp(record);
}

void tst_mainwindow::cleanup()
{
    window.reset();
    art.reset();
    keno.reset();
}

void tst_mainwindow::controlsStandAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRectF>("place"); // in window pixels
    QTest::addColumn<bool>("visible");
    const auto row = [](const char* name, int index, QRectF place, bool visible) {
        QTest::addRow("%s(%d)", name, index) << QString::fromLatin1(name) << index << place << visible;
    };
    row("Picture2", 0, {0, 8, 72, 470}, true);
    row("ball", 1, {16, 408, 40, 40}, false);
    row("ball", 10, {16, 48, 40, 40}, false);
    row("Picture4", 0, {80, 0, 92, 52}, true);
    row("SSPanel2", 0, {71, 56, 98, 40}, true);
    row("SSPanel6", 0, {71, 216, 98, 40}, true);
    row("SSPanel1", 0, {71, 256, 98, 40}, true);
    row("SSPanel9", 0, {71, 376, 98, 40}, true);
    row("Picture1", 0, {200, 8, 442, 439}, true);
    row("Picture3", 0, {200, 214, 443, 35}, true);
    row("a", 1, {224, 28, 40, 40}, true);
    row("a", 10, {584, 28, 40, 40}, true);
    row("a", 40, {584, 148, 40, 40}, true);
    row("a", 41, {224, 270, 40, 40}, true);
    row("a", 75, {384, 390, 40, 40}, true);
    row("ballplay", 0, {168, 0, 522, 467}, false);
    row("nohit", 0, {336, 16, 33, 41}, false);
    row("nohitwhite", 0, {488, 16, 33, 41}, false);
    row("dropball", 1, {192, -32, 33, 41}, false);
    row("dropball", 60, {192, -32, 33, 41}, false);
    row("coinsin", 0, {693, 6, 100, 70}, true);
    row("Picture5", 0, {693, 76, 100, 34}, true);
    row("credit", 0, {706, 112, 79, 27}, true);
    row("Picture6", 0, {706, 160, 80, 30}, true);
    row("betpan", 0, {706, 192, 44, 27}, true);
    row("Picture7", 0, {706, 228, 80, 34}, true);
    row("winnings", 0, {706, 264, 40, 27}, true);
    row("extraback", 0, {692, 340, 105, 75}, false);
    row("extraballs", 0, {695, 343, 100, 70}, false);
    row("AUTOSELECT", 0, {693, 453, 100, 70}, true);
    row("RUBBER", 0, {68, 456, 100, 70}, true);
    row("coinsbet", 0, {73, 424, 96, 30}, true);
    row("btnBET", 1, {200, 468, 96, 30}, true);
    row("btnBET", 2, {300, 468, 96, 30}, true);
    row("btnBET", 3, {408, 468, 96, 30}, true);
    row("btnBET", 4, {512, 468, 96, 30}, true);
    row("PLAY", 1, {200, 500, 96, 40}, true);
    row("PLAY", 3, {304, 500, 96, 40}, true);
    row("PLAY", 5, {408, 500, 96, 40}, true);
    row("PLAY", 10, {512, 500, 96, 40}, true);
    row("goodluck", 0, {296, 484, 200, 30}, false);
}

void tst_mainwindow::controlsStandAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRectF, place);
    QFETCH(bool, visible);
    QGraphicsItem* item = window->item(name, index);
    QVERIFY(item);
    QCOMPARE(item->sceneBoundingRect(), place);
    QCOMPARE(item->isVisibleTo(nullptr), visible);
}

void tst_mainwindow::stopLinesCrossTheFlutes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("y"); // in window pixels
    QTest::newRow("stop2") << QStringLiteral("stop2") << 416.0;
    QTest::newRow("stop3") << QStringLiteral("stop3") << 376.0;
    QTest::newRow("stop4") << QStringLiteral("stop4") << 336.0;
    QTest::newRow("stop5") << QStringLiteral("stop5") << 4450.0 / 15;
}

// Drawn, a stop line crosses all ten tubes and stays inside the flute panel.
void tst_mainwindow::stopLinesCrossTheFlutes()
{
    QFETCH(QString, name);
    QFETCH(qreal, y);
    const int row = int(y); // covered whole by the 2-pixel pen
    auto* stop = dynamic_cast<QGraphicsLineItem*>(window->item(name));
    QVERIFY(stop);
    QVERIFY(!stop->isVisibleTo(nullptr));
    QCOMPARE(stop->mapToScene(stop->line().p1()).y(), y);
    window->item(QStringLiteral("ballplay"))->show();
    stop->show();
    const QImage field = render(window->scene()->sceneRect());
    int first = -1, last = -1;
    for (int x = 0; x < field.width(); ++x) {
        const QColor c = field.pixelColor(x, row);
        if (c.red() > 220 && c.green() > 220 && c.blue() < 60)
            (first < 0 ? first : last) = x, last = x;
    }
    const QRectF panel = window->item(QStringLiteral("ballplay"))->sceneBoundingRect();
    QVERIFY2(first > panel.left() && last < panel.right() - 1, qPrintable(QStringLiteral("%1..%2").arg(first).arg(last)));
    // Into the first tube and the last.
    QVERIFY(first <= panel.left() + 20 && last >= panel.left() + 480);
}

void tst_mainwindow::startsWithTheBoardAndBetOne()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Current Player       ANNA"));
    for (int n = 1; n <= 80; ++n) {
        auto* ball = dynamic_cast<windows::PictureItem*>(window->item(QStringLiteral("a"), n));
        QVERIFY(ball);
        QCOMPARE(ball->picture(), QStringLiteral("ball1"));
        QCOMPARE(ball->number(), n);
        QCOMPARE(ball->numberColor(), QColor(Qt::black));
    }
    auto* coinsbet = dynamic_cast<windows::PictureItem*>(window->item(QStringLiteral("coinsbet")));
    QCOMPARE(coinsbet->picture(), QStringLiteral("bet1"));
    auto* credit = dynamic_cast<windows::PanelItem*>(window->item(QStringLiteral("credit")));
    QVERIFY(credit);
    QCOMPARE(credit->caption(), QStringLiteral("35"));
    auto* betpan = dynamic_cast<windows::PanelItem*>(window->item(QStringLiteral("betpan")));
    QCOMPARE(betpan->caption(), QString());
}

void tst_mainwindow::clicksReachTheirCommands_data()
{
    QTest::addColumn<bool>("byKey"); // the buttons' keys in place of their clicks
    QTest::addColumn<QStringList>("clicks"); // control or control:index
    QTest::addColumn<int>("spots");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QString>("coinsbet");
    for (const bool byKey : {false, true}) {
        const auto row = [byKey](const char* name) -> QTestData& {
            return QTest::addRow("%s%s", name, byKey ? " by key" : "") << byKey;
        };
        row("mark") << QStringList{"a:5", "a:17"} << 2 << "35" << "bet1";
        row("unmark") << QStringList{"a:5", "a:17", "a:5"} << 1 << "35" << "bet1";
        row("coins") << QStringList{"coinsin", "coinsin"} << 0 << "45" << "bet1";
        row("bet 5") << QStringList{"btnBET:3"} << 0 << "35" << "bet5";
        row("bet 10") << QStringList{"btnBET:4"} << 0 << "35" << "bet10";
        row("erase") << QStringList{"a:5", "a:17", "RUBBER"} << 0 << "35" << "bet1";
        row("auto select") << QStringList{"AUTOSELECT"} << 10 << "35" << "bet1";
        row("strip click does nothing") << QStringList{"a:5", "ball:1"} << 1 << "35" << "bet1";
        row("no extra balls on offer") << QStringList{"extraballs"} << 0 << "35" << "bet1";
        // A play under way hides the bets and refuses coins, whether clicked or keyed.
        row("during a play") << QStringList{"a:1", "a:2", "a:3", "PLAY:1", "btnBET:3", "coinsin", "RUBBER"} << 3
                             << "34" << "bet1";
    }
}

void tst_mainwindow::clicksReachTheirCommands()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, spots);
    QFETCH(QString, credit);
    QFETCH(QString, coinsbet);
    QFETCH(bool, byKey);
    static const QHash<QString, QKeyCombination> keys{
        {"coinsin", Qt::Key_C},           {"btnBET:3", Qt::Key_5},    {"btnBET:4", Qt::Key_0},
        {"RUBBER", Qt::Key_E},            {"AUTOSELECT", Qt::Key_A},  {"extraballs", Qt::Key_X},
        {"PLAY:1", Qt::CTRL | Qt::Key_1}, {"PLAY:10", Qt::CTRL | Qt::Key_0}};
    if (clicks.contains(QStringLiteral("PLAY:1")))
        for (int f = 1; f <= 10; ++f)
            random.flute({1, 2}, {1, 2, 3}); // hits take time to fall
    else
        random.script.assign(10, 1);
    for (const QString& control : clicks) {
        const QStringList parts = control.split(u':');
        if (byKey && keys.contains(control)) {
            const QKeyCombination key = keys[control];
            const QGraphicsItem* item = window->item(parts[0], parts.value(1).toInt());
            QVERIFY2(item->toolTip().contains(QKeySequence(key).toString(QKeySequence::NativeText)), qPrintable(control));
            QTest::keyClick(window.get(), key.key(), key.keyboardModifiers());
        } else {
            click(parts[0], parts.value(1).toInt());
        }
    }
    int shown = 0;
    for (int k = 1; k <= 10; ++k) {
        auto* strip = dynamic_cast<windows::PictureItem*>(window->item(QStringLiteral("ball"), k));
        if (strip->isVisible()) {
            ++shown;
            const int n = keno->state().spots[std::size_t(k)];
            QCOMPARE(strip->number(), n);
            auto* board = dynamic_cast<windows::PictureItem*>(window->item(QStringLiteral("a"), n));
            QCOMPARE(board->picture(), QStringLiteral("ball2"));
            QCOMPARE(board->numberColor(), QColor(255, 255, 0));
        }
    }
    QCOMPARE(dynamic_cast<windows::PanelItem*>(window->item(QStringLiteral("credit")))->caption(), credit);
    QCOMPARE(shown, spots);
    QCOMPARE(dynamic_cast<windows::PanelItem*>(window->item(QStringLiteral("credit")))->caption(), credit);
    QCOMPARE(dynamic_cast<windows::PictureItem*>(window->item(QStringLiteral("coinsbet")))->picture(), coinsbet);
}

void tst_mainwindow::fieldScalesWithTheWindow()
{
    auto* view = window->findChild<QGraphicsView*>();
    QVERIFY(view);
    QCOMPARE(view->size(), windows::vorlane::fieldSize);
    QCOMPARE(view->transform().m11(), 1.0);

    // Twice as wide but only one and a half times as high: the field keeps its shape.
    const QSize extra = window->size() - view->size();
    window->resize(extra + QSize(818 * 2, 564 * 3 / 2));
    QTRY_COMPARE(view->size(), QSize(818 * 2, 564 * 3 / 2));
    QCOMPARE(view->transform().m11(), 1.5);
    QCOMPARE(view->transform().m22(), 1.5);
    // Centred across the width it does not need.
    QCOMPARE(view->mapFromScene(QPointF(0, 0)), QPoint((818 * 2 - 1227) / 2, 0));
}

void tst_mainwindow::menuExitStopsTheSound_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("menu") << false;
    QTest::newRow("Ctrl+Q") << true;
}

void tst_mainwindow::menuExitStopsTheSound()
{
    QFETCH(bool, byKey);
    QStringList captions;
    for (const QAction* action : window->menuBar()->actions())
        captions << action->objectName() + u'=' + action->text();
    QCOMPARE(captions, QStringList({"mnuabout=&About", "mnuexit=&Exit", "mnupay=&Payout Schedule",
                                    "mnudetails=Options", "mnuhelp=&Help"}));
    if (byKey)
        QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    else
        window->findChild<QAction*>(QStringLiteral("mnuexit"))->trigger();
    QVERIFY(!window->isVisible());
    QCOMPARE(sound.calls.back().kind, fakes::FakeSound::Kind::stop);
}

void tst_mainwindow::click(const QString& name, int index)
{
    QGraphicsItem* target = window->item(name, index);
    QVERIFY2(target, qPrintable(name));
    auto* view = window->findChild<QGraphicsView*>();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(target->sceneBoundingRect().center()));
}

QString tst_mainwindow::caption(const char* panel) const
{
    return dynamic_cast<windows::PanelItem*>(window->item(QString::fromLatin1(panel)))->caption();
}

// Marks spots 1..spots and plays one flute whose first balls are `balls`.
void tst_mainwindow::startPlay(int spots, const QList<int>& balls)
{
    std::vector<int> marked;
    for (int n = 1; n <= spots; ++n) {
        click(QStringLiteral("a"), n);
        marked.push_back(n);
    }
    random.flute(std::vector<int>(balls.begin(), balls.end()), marked);
    for (int f = 2; f <= 10; ++f)
        random.flute({}, marked);
    click(QStringLiteral("PLAY"), 1);
}

void tst_mainwindow::wholePlayThroughClicks_data()
{
    QTest::addColumn<int>("spots");
    QTest::addColumn<QList<int>>("balls"); // flute 1's first balls
    QTest::addColumn<bool>("extraBalls");
    QTest::addColumn<qint64>("won");
    QTest::newRow("top prize") << 3 << QList<int>{1, 2, 3} << false << qint64(game::paytable::prize(3, 3));
    QTest::newRow("nothing") << 3 << QList<int>{1} << false << qint64(0);
    QList<int> extra{1, 2, 3, 4};
    for (int n = 60; extra.size() < 20; ++n)
        extra << n;
    extra << 5;
    QTest::newRow("extra balls") << 5 << extra << true << qint64(game::paytable::scoreExtraBalls(5, 5, false, 1));
}

// Marks, plays one flute and watches the drop to its end by the clock:
// the play controls give way to GOOD LUCK, coins wait, and the prize lands
// on the credit once the last ball has fallen.
void tst_mainwindow::wholePlayThroughClicks()
{
    QFETCH(int, spots);
    QFETCH(QList<int>, balls);
    QFETCH(bool, extraBalls);
    QFETCH(qint64, won);
    startPlay(spots, balls);
    QVERIFY(window->animator().running());
    QVERIFY(window->item(QStringLiteral("goodluck"))->isVisible());
    QVERIFY(!window->item(QStringLiteral("PLAY"), 1)->isVisible());
    QCOMPARE(caption("credit"), QStringLiteral("34"));
    click(QStringLiteral("coinsin"));
    QCOMPARE(caption("credit"), QStringLiteral("34"));

    clock.now += 3'600'000; // long past any drop
    window->animator().advance();
    QVERIFY(!window->animator().running());
    auto* ballflash = window->findChild<QTimer*>(QStringLiteral("ballflash"));
    QVERIFY(ballflash);
    QCOMPARE(window->item(QStringLiteral("extraballs"))->isVisible(), extraBalls);
    if (extraBalls) {
        QVERIFY(!ballflash->isActive());
        QVERIFY(window->findChild<QTimer*>(QStringLiteral("extraballtimer"))->isActive());
        click(QStringLiteral("extraballs"));
        QVERIFY(window->animator().running());
        clock.now += 3'600'000; // long past any drop
        window->animator().advance();
        QVERIFY(!window->animator().running());
        QVERIFY(!window->item(QStringLiteral("extraballs"))->isVisible());
    }
    QCOMPARE(caption("credit"), QString::number(35 - 1 + won));
    QCOMPARE(ballflash->isActive(), true);
    QVERIFY(window->item(QStringLiteral("PLAY"), 1)->isVisible());
    QVERIFY(!window->item(QStringLiteral("goodluck"))->isVisible());
    click(QStringLiteral("coinsin"));
    QCOMPARE(caption("credit"), QString::number(35 - 1 + won + 5));
}

// The window closes in the middle of the drop, or with the extra balls on
// offer: the play is paid out unseen and the record keeps it.
void tst_mainwindow::closingMidPlayKeepsTheSettledPlay()
{
    QFETCH(int, spots);
    QFETCH(QList<int>, balls);
    QFETCH(bool, extraBalls);
    QFETCH(qint64, won);
    startPlay(spots, balls);
    clock.now += 150;
    window->animator().advance();
    QVERIFY(window->animator().running());
    if (extraBalls) {
        clock.now += 3'600'000;
        window->animator().advance();
        QVERIFY(window->item(QStringLiteral("extraballs"))->isVisible());
    }
    window->close();
    QVERIFY(!window->animator().running());
    const auto stored = [this](const char* key) { return store.value("player1", key).value_or("(none)"); };
    QCOMPARE(stored("bank"), std::to_string(35 - 1 + won));
    QCOMPARE(stored("total"), std::to_string(won));
    QCOMPARE(stored("wager"), std::string("1"));
    QCOMPARE(stored("games"), std::string("1"));
    QVERIFY(!keno->state().playing());
}

// Frames reuse the rendered pictures: a second play and a return to an
// earlier size render nothing new.
void tst_mainwindow::picturesRenderOncePerSize()
{
    const auto playOut = [this] {
        random.script.clear();
        for (int f = 1; f <= 10; ++f)
            random.flute({1, 2}, {1, 2, 3});
        click(QStringLiteral("PLAY"), 3); // white and grey flutes
        for (int frame = 0; frame < 1000 && window->animator().running(); ++frame) {
            clock.now += 50;
            window->animator().advance();
            QCoreApplication::processEvents();
        }
        QVERIFY(!window->animator().running());
    };
    keno->setReelspeed(60); // a play of 3 spots takes well under the 50 s played out
    for (int n = 1; n <= 3; ++n)
        click(QStringLiteral("a"), n);
    playOut();
    const int afterFirst = art->renders();
    QVERIFY(afterFirst > 0);
    playOut();
    QCOMPARE(art->renders(), afterFirst);

    const QSize size = window->size();
    window->resize(size * 3 / 2);
    QTRY_VERIFY(art->renders() > afterFirst);
    QTest::qWait(50);
    const int atLarger = art->renders();
    window->resize(size);
    QTest::qWait(50);
    QCOMPARE(art->renders(), atLarger);
}

// Everything a restless player can reach while the balls fall, many times
// over, even the hidden buttons: nothing is honoured until the play ends,
// then each click counts once.
void tst_mainwindow::clickStormDuringADrop()
{
    startPlay(3, {1, 2, 3});
    const auto press = [this](const char* name, int index = 0) {
        click(QString::fromLatin1(name), index);
        emit static_cast<windows::PictureItem*>(window->item(QString::fromLatin1(name), index))->clicked(index);
    };
    for (int round = 0; round < 25; ++round) {
        for (int flutes : {1, 3, 5, 10})
            press("PLAY", flutes);
        press("coinsin");
        press("extraballs");
        press("btnBET", 4);
        press("AUTOSELECT");
        press("RUBBER");
        for (const char* menu : {"mnuabout", "mnupay", "mnudetails", "mnuhelp"})
            window->findChild<QAction*>(QString::fromLatin1(menu))->trigger();
        for (const Qt::Key key : {Qt::Key_C, Qt::Key_0, Qt::Key_A, Qt::Key_E, Qt::Key_X, Qt::Key_F1})
            QTest::keyClick(window.get(), key);
        QTest::keyClick(window.get(), Qt::Key_3, Qt::ControlModifier);
        clock.now += 10;
        window->animator().advance();
    }
    QVERIFY(window->animator().running());
    QCOMPARE(caption("credit"), QStringLiteral("34"));
    QCOMPARE(keno->state().player.games, game::Long(1));
    QVERIFY(messages.shown.empty());
    int windows = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        windows += w->isVisible();
    QCOMPARE(windows, 1);
    QVERIFY(window->isEnabled());

    clock.now += 3'600'000;
    window->animator().advance();
    QCOMPARE(caption("credit"), QString::number(35 - 1 + game::paytable::prize(3, 3)));
    click(QStringLiteral("coinsin"));
    QCOMPARE(caption("credit"), QString::number(35 - 1 + game::paytable::prize(3, 3) + 5));
    QCOMPARE(keno->state().player.games, game::Long(1));
}

void tst_mainwindow::ctrlMAsksForSilence()
{
    QSignalSpy asked(window.get(), &windows::vorlane::soundToggleRequested);
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(window->menuBar()->actions().size(), 5);
}

namespace {
double luminance(QColor c)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}
} // namespace

QImage tst_mainwindow::render(const QRectF& area) const
{
    QImage image(area.size().toSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    window->scene()->render(&painter, QRectF(QPointF(0, 0), area.size()), area);
    return image;
}

void tst_mainwindow::captionsFitAndStandOut_data()
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

// Every caption is drawn whole inside its panel and reads at a contrast of
// at least 4.5:1 against the panel's face, measured on the drawn pixels.
void tst_mainwindow::captionsFitAndStandOut()
{
    QFETCH(int, spots);
    QFETCH(int, betButton);
    QFETCH(int, bank);
    QFETCH(QString, stake);
    QFETCH(QString, win);
    game::Player record;
    record.bank = bank;
    keno->startUp(record);
    for (int n = 1; n <= spots; ++n)
        keno->markSpot(n);
    keno->chooseBet(betButton);
    const auto panel = [this](const QString& name) { return dynamic_cast<windows::PanelItem*>(window->item(name)); };
    panel(QStringLiteral("betpan"))->setCaption(stake, Qt::yellow);
    panel(QStringLiteral("winnings"))->setCaption(win, Qt::yellow);
    QStringList names{"credit", "betpan", "winnings"};
    for (int k = 1; k <= 9; ++k)
        names << QStringLiteral("SSPanel%1").arg(k);
    int shown = 0;
    for (const QString& name : names) {
        windows::PanelItem* item = panel(name);
        if (item->caption().isEmpty())
            continue;
        ++shown;
        // Drawn with and without its caption: the pixels that differ are the
        // caption's ink, which must keep clear of the panel's bevel (a caption
        // too wide is cut at the panel's edge), and each stands against the
        // face drawn beneath it.
        const auto paint = [item] {
            QImage image(item->boundingRect().size().toSize(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
            const QStyleOptionGraphicsItem option;
            item->paint(&painter, &option, nullptr);
            return image;
        };
        const QImage withCaption = paint();
        const QString caption = item->caption();
        item->setCaption({}, item->foreColor());
        const QImage ground = paint();
        item->setCaption(caption, item->foreColor());
        const QRect room = item->captionRoom().toRect();
        double best = 0;
        for (int y = 0; y < ground.height(); ++y)
            for (int x = 0; x < ground.width(); ++x) {
                if (withCaption.pixel(x, y) == ground.pixel(x, y))
                    continue;
                QVERIFY2(room.contains(x, y), qPrintable(QStringLiteral("%1 inked at %2,%3").arg(name).arg(x).arg(y)));
                best = std::max(best, contrast(ground.pixelColor(x, y), withCaption.pixelColor(x, y)));
            }
        QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(best)));
    }
    QVERIFY(shown >= 6);
    // The menu bar too, against its own ground.
    const QImage bar = window->menuBar()->grab().toImage();
    double best = 0;
    for (int y = 0; y < bar.height(); ++y)
        for (int x = 0; x < bar.width(); ++x)
            best = std::max(best, contrast(bar.pixelColor(0, y), bar.pixelColor(x, y)));
    QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("menu bar: %1:1").arg(best)));
}

void tst_mainwindow::ballsAndMissesAreRound_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("round");
    QTest::newRow("ball in a tube") << QStringLiteral("dropball") << true;
    QTest::newRow("miss of a played flute") << QStringLiteral("nohitwhite") << true;
    QTest::newRow("miss of an idle flute") << QStringLiteral("nohitblack") << true;
    QTest::newRow("miss of an extra ball") << QStringLiteral("nohit") << false; // a star
}

// Drawn in a tube, a ball is as wide as it is high, and a miss is no wider
// than the ball, so nothing spills over the tube's walls.
void tst_mainwindow::ballsAndMissesAreRound()
{
    QFETCH(QString, name);
    QFETCH(bool, round);
    QGraphicsItem* item = window->item(name, name == QLatin1String("dropball") ? 1 : 0);
    for (QGraphicsItem* other : window->scene()->items())
        other->setVisible(other == item || other == item->parentItem());
    dynamic_cast<windows::PictureItem*>(window->item(QStringLiteral("ballplay")))->setPicture({});
    item->setPos(100, 100);
    const QRectF box = item->sceneBoundingRect();
    const QImage image = render(box);
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() > 128)
                ink |= QRect(x, y, 1, 1);
    QVERIFY2(!round || qAbs(ink.width() - ink.height()) <= 1, qPrintable(QStringLiteral("%1 x %2").arg(ink.width()).arg(ink.height())));
    QVERIFY(ink.width() <= 33);
}

// Every button shows a pointing hand, sinks while held and counts a click
// only when released over it; the chosen bet is lit.
void tst_mainwindow::buttonsAnswerThePointer()
{
    auto* view = window->findChild<QGraphicsView*>();
    const auto at = [view](const QGraphicsItem* item) { return view->mapFromScene(item->sceneBoundingRect().center()); };
    for (const auto& [name, index] : std::initializer_list<std::pair<const char*, int>>{
             {"coinsin", 0}, {"AUTOSELECT", 0}, {"RUBBER", 0}, {"btnBET", 2}, {"PLAY", 5}, {"extraballs", 0}, {"a", 7}})
        QCOMPARE(window->item(QString::fromLatin1(name), index)->cursor().shape(), Qt::PointingHandCursor);
    auto* coins = dynamic_cast<windows::PictureItem*>(window->item(QStringLiteral("coinsin")));
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at(coins));
    QVERIFY(coins->isPressed());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at(coins));
    QVERIFY(!coins->isPressed());
    QCOMPARE(caption("credit"), QStringLiteral("40"));

    QStringList lit;
    click(QStringLiteral("btnBET"), 3);
    for (int i = 1; i <= 4; ++i)
        if (dynamic_cast<windows::PictureItem*>(window->item(QStringLiteral("btnBET"), i))->isLit())
            lit << QString::number(i);
    QCOMPARE(lit, QStringList{"3"});
}

// The game carries its own font: drawn where the system has no fonts at
// all, the field is the same to the pixel.
void tst_mainwindow::fieldLooksTheSameWithoutSystemFonts()
{
    for (int n = 71; n <= 80; ++n)
        click(QStringLiteral("a"), n);
    click(QStringLiteral("btnBET"), 4);
    const QImage field = window->findChild<QGraphicsView*>()->viewport()->grab().toImage();
    if (const QString out = qEnvironmentVariable("FIELD_SHOT_TO"); !out.isEmpty()) {
        QVERIFY(field.save(out));
        return;
    }
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
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("fieldLooksTheSameWithoutSystemFonts")});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);
    const QImage bare(dir.filePath(QStringLiteral("field.png")));
    QCOMPARE(bare.size(), field.size());
    int differ = 0;
    const QImage shown = field.convertToFormat(bare.format());
    for (int y = 0; y < bare.height(); ++y)
        for (int x = 0; x < bare.width(); ++x)
            differ += bare.pixel(x, y) != shown.pixel(x, y);
    QCOMPARE(differ, 0);
}

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
