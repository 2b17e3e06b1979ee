// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "vorlane.h"

#include "aboutvorlane.h"
#include "dropanimator.h"
#include "fieldview.h"
#include "frmvorlaneoptions.h"
#include "gamelook.h"
#include "game/pace.h"
#include "panelitem.h"
#include "pictureitem.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "players/playerrecords.h"
#include "players/texts.h"
#include "tarvopaysheet.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QMenuBar>
#include <QPen>
#include <QShortcut>
#include <QThread>
#include <QTimer>

namespace windows {

namespace {
enum ItemData { dataName = 0, dataIndex = 1 };

void tag(QGraphicsItem* item, const QString& name, int index)
{
    item->setData(dataName, name);
    item->setData(dataIndex, index);
}

// Board numbers fall into an upper and a lower block of forty.
QRectF boardPlace(int n)
{
    const int row = (n - 1) / 10, column = (n - 1) % 10;
    static constexpr std::array<int, 8> rowTop{20, 60, 100, 140, 262, 302, 342, 382};
    return {24.0 + 40 * column, qreal(rowTop[std::size_t(row)]), 40, 40};
}

QString ballPicture(game::BallLook look)
{
    switch (look) {
    case game::BallLook::grey:
        return QStringLiteral("ball6");
    case game::BallLook::wild:
        return QStringLiteral("ball3");
    case game::BallLook::wildGrey:
        return QStringLiteral("ball7");
    case game::BallLook::yellow:
        return QStringLiteral("ball4");
    case game::BallLook::white:
        break;
    }
    return QStringLiteral("ball1");
}

// Flute panel pictures by the flutes they light.
QString flutePanel(int flutes)
{
    switch (flutes) {
    case 1:
        return QStringLiteral("flutes2");
    case 3:
        return QStringLiteral("flutes3");
    case 5:
        return QStringLiteral("flutes4");
    default:
        return QStringLiteral("flutes1");
    }
}

QTimer* tickTimer(QObject* parent, const char* name, std::function<void()> tick)
{
    auto* timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(game::pace::timerIntervalMs);
    QObject::connect(timer, &QTimer::timeout, parent, std::move(tick));
    return timer;
}
} // namespace

vorlane::vorlane(game::Keno& keno, ArtRenderer& art, platform::Messages& messages, platform::SettingsStore& store,
                 platform::Sound& sound, const platform::Clock& clock, QWidget* parent)
    : QMainWindow(parent), keno(keno), art(art), messages(messages), store(store), saver(store, messages), sound(sound),
      field(new QGraphicsScene(this)),
      ballflash(tickTimer(this, "ballflash", [&keno] { keno.flashTick(); })),
      extraballtimer(tickTimer(this, "extraballtimer", [&keno] { keno.extraBlinkTick(); })),
      recordSave(new QTimer(this)),
      drop(new DropAnimator(
          clock, [this](const game::DropStep& step, std::int64_t elapsed) { showStep(step, elapsed); },
          [&keno] { keno.finishDrop(); }, this))
{
    setObjectName(QStringLiteral("vorlane"));
    // The design-time title, replaced by the player's caption once the game has started.
    setWindowTitle(QStringLiteral("                                        K E N O      K E N O"));
    useGameLook();
    setFont(gameFontAt(14.25));

    field->setSceneRect(QRectF(QPointF(0, 0), QSizeF(fieldSize)));
    field->setItemIndexMethod(QGraphicsScene::NoIndex);
    buildField();
    view = new FieldView(field, this);
    setCentralWidget(view);
    buildMenus();
    auto* mute = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this);
    connect(mute, &QShortcut::activated, this, &vorlane::soundToggleRequested);
    resize(fieldSize.width(), fieldSize.height() + menuBar()->sizeHint().height());
    move(0, 0);

    recordSave->setSingleShot(true);
    connect(recordSave, &QTimer::timeout, this, [this] {
        const game::State& s = this->keno.state();
        if (!s.playing() && !ended)
            saver.save(players::slotOf(s.playerno), s.player);
    });
    keno.setListener([this](game::Changes what) { refresh(what); });
}

vorlane::~vorlane()
{
    end(Ending::lastChance);
    keno.setListener(nullptr);
    delete paysheet;
    delete options;
}

PictureItem* vorlane::picture(const QString& name, int index, QRectF place, const QString& picture,
                              QGraphicsItem* parent)
{
    auto* item = new PictureItem(art, name, index, place.size(), parent);
    item->setPos(place.topLeft());
    item->setPicture(picture);
    tag(item, name, index);
    if (!parent)
        field->addItem(item);
    return item;
}

PictureItem* vorlane::button(PictureItem* item, const QString& caption, QKeySequence key)
{
    item->makeButton();
    item->setToolTip(QStringLiteral("%1   (key %2)").arg(caption, key.toString(QKeySequence::NativeText)));
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, item, &PictureItem::click);
    return item;
}

PanelItem* vorlane::panel(const QString& name, QRectF place, int fontPoints)
{
    auto* item = new PanelItem(name, place.size(), fontPoints);
    item->setPos(place.topLeft());
    tag(item, name, 0);
    field->addItem(item);
    return item;
}

void vorlane::buildField()
{
    // Left: the tube with the selection strip, the lucky-balls ladder.
    picture(QStringLiteral("Picture2"), 0, {0, 8, 72, 470}, QStringLiteral("tube"));
    for (int k = 1; k <= 10; ++k) {
        ball[std::size_t(k)] = picture(QStringLiteral("ball"), k, {16, 408.0 - 40 * (k - 1), 40, 40}, {});
        ball[std::size_t(k)]->hide();
    }
    picture(QStringLiteral("Picture4"), 0, {80, 0, 92, 52}, QStringLiteral("luckyballs"));
    static constexpr std::array<int, 9> ladder{2, 3, 4, 5, 6, 1, 7, 8, 9};
    for (std::size_t i = 0; i < ladder.size(); ++i) {
        const int number = ladder[i];
        SSPanel[std::size_t(number)] =
            panel(QStringLiteral("SSPanel%1").arg(number), {71, 56.0 + 40 * qreal(i), 98, 40}, 18);
    }

    // Centre: the board, and over it the flute panel.
    PictureItem* board = picture(QStringLiteral("Picture1"), 0, {200, 8, 442, 439}, QStringLiteral("board"));
    picture(QStringLiteral("Picture3"), 0, {0, 206, 443, 35}, QStringLiteral("banner"), board);
    for (int n = 1; n <= 80; ++n) {
        a[std::size_t(n)] = picture(QStringLiteral("a"), n, boardPlace(n), QStringLiteral("ball1"), board);
        a[std::size_t(n)]->makeButton();
        connect(a[std::size_t(n)], &PictureItem::clicked, this, [this](int number) { keno.markSpot(number); });
    }
    ballplay = picture(QStringLiteral("ballplay"), 0, {168, 0, 522, 467}, QStringLiteral("flutes1"));
    ballplay->hide();
    // Stop lines, at the top of the stacked ball the line stands on.
    static constexpr std::array<std::array<qreal, 3>, 6> stopLine{{{}, {}, {6240, 0, 7920}, {5640, 0, 7800},
                                                                   {5040, 240, 8160}, {4450, 0, 7800}}};
    // Each ends inside the panel's frame rather than running out over the ground.
    constexpr qreal frame = 6;
    const qreal inside = ballplay->boundingRect().width() - frame;
    for (std::size_t k = 2; k <= 5; ++k) {
        const auto& [y, x1, x2] = stopLine[k];
        stop[k] = new QGraphicsLineItem(std::max(exactPixels(x1), frame), exactPixels(y), std::min(exactPixels(x2), inside), exactPixels(y), ballplay);
        stop[k]->setPen(QPen(QColor(255, 255, 0), 2));
        tag(stop[k], QStringLiteral("stop%1").arg(k), 0);
        stop[k]->hide();
    }
    // The miss pictures take a falling ball's place, so they are its size.
    nohit = picture(QStringLiteral("nohit"), 0, {168, 16, 33, 41}, QStringLiteral("nohit"), ballplay);
    nohit->hide();
    nohitwhite = picture(QStringLiteral("nohitwhite"), 0, {320, 16, 33, 41}, QStringLiteral("nohitwhite"), ballplay);
    nohitwhite->hide();
    nohitblack = picture(QStringLiteral("nohitblack"), 0, {0, 0, 33, 41}, QStringLiteral("nohitblack"), ballplay);
    nohitblack->hide();
    for (std::size_t k = 1; k < dropball.size(); ++k) {
        dropball[k] = picture(QStringLiteral("dropball"), int(k), {24, -32, 33, 41}, QStringLiteral("ball1"), ballplay);
        dropball[k]->hide();
    }

    // Right column.
    connect(button(picture(QStringLiteral("coinsin"), 0, {693, 6, 100, 70}, QStringLiteral("coins")), "COINS", Qt::Key_C),
            &PictureItem::clicked, this, [this] { keno.insertCoins(); });
    picture(QStringLiteral("Picture5"), 0, {693, 76, 100, 34}, QStringLiteral("credit"));
    credit = panel(QStringLiteral("credit"), {706, 112, 79, 27}, 14);
    picture(QStringLiteral("Picture6"), 0, {706, 160, 80, 30}, QStringLiteral("bet"));
    betpan = panel(QStringLiteral("betpan"), {706, 192, 44, 27}, 14);
    picture(QStringLiteral("Picture7"), 0, {706, 228, 80, 34}, QStringLiteral("win"));
    winnings = panel(QStringLiteral("winnings"), {706, 264, 40, 27}, 14);
    extraback = picture(QStringLiteral("extraback"), 0, {692, 340, 105, 75}, QStringLiteral("extraback"));
    extraback->hide();
    extraballs = picture(QStringLiteral("extraballs"), 0, {695, 343, 100, 70}, QStringLiteral("extraballs"));
    extraballs->hide();
    connect(button(extraballs, "EXTRA BALLS", Qt::Key_X), &PictureItem::clicked, this, &vorlane::extraballs_Click);
    AUTOSELECT = picture(QStringLiteral("AUTOSELECT"), 0, {693, 453, 100, 70}, QStringLiteral("autoselect"));
    connect(button(AUTOSELECT, "AUTO SELECT", Qt::Key_A), &PictureItem::clicked, this, [this] { keno.autoSelect(); });

    // Bottom row.
    RUBBER = picture(QStringLiteral("RUBBER"), 0, {68, 456, 100, 70}, QStringLiteral("erase"));
    connect(button(RUBBER, "ERASE", Qt::Key_E), &PictureItem::clicked, this, [this] { keno.erase(); });
    coinsbet = picture(QStringLiteral("coinsbet"), 0, {73, 424, 96, 30}, {});
    // Keys: the bet's last digit for a bet, with Ctrl for a play of that many flutes.
    static constexpr std::array<int, 5> betLeft{0, 200, 300, 408, 512};
    for (std::size_t i = 1; i <= 4; ++i) {
        const int bet = game::betOfButton[i];
        btnBET[i] = picture(QStringLiteral("btnBET"), int(i), {qreal(betLeft[i]), 468, 96, 30},
                            QStringLiteral("bet%1").arg(bet));
        connect(button(btnBET[i], QStringLiteral("BET %1").arg(bet), Qt::Key(Qt::Key_0 + bet % 10)), &PictureItem::clicked, this,
                [this](int index) { keno.chooseBet(index); });
    }
    static constexpr std::array<std::pair<int, int>, 4> playLeft{{{1, 200}, {3, 304}, {5, 408}, {10, 512}}};
    for (const auto& [flutes, left] : playLeft) {
        PLAY[std::size_t(flutes)] =
            picture(QStringLiteral("PLAY"), flutes, {qreal(left), 500, 96, 40}, QStringLiteral("play%1").arg(flutes));
        connect(button(PLAY[std::size_t(flutes)], QStringLiteral("PLAY %1").arg(flutes),
                       Qt::CTRL | Qt::Key(Qt::Key_0 + flutes % 10)),
                &PictureItem::clicked, this, &vorlane::PLAY_Click);
    }
    goodluck = picture(QStringLiteral("goodluck"), 0, {296, 484, 200, 30}, QStringLiteral("goodluck"));
    goodluck->hide();
}

void vorlane::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto add = [&](const char* name, const QString& caption) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(add("mnuabout", QStringLiteral("&About")), &QAction::triggered, this, &vorlane::mnuabout_Click);
    QAction* exit = add("mnuexit", QStringLiteral("&Exit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(add("mnupay", QStringLiteral("&Payout Schedule")), &QAction::triggered, this, &vorlane::mnupay_Click);
    connect(add("mnudetails", QStringLiteral("Options")), &QAction::triggered, this, &vorlane::mnudetails_Click);
    QAction* help = add("mnuhelp", QStringLiteral("&Help"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, this, &vorlane::mnuhelp_Click);
    for (QAction* action : bar->actions())
        action->setShortcutContext(Qt::WindowShortcut);
}

void vorlane::mnuabout_Click()
{
    if (keno.state().playing())
        return;
    setEnabled(false);
    if (!about) {
        about = std::make_unique<aboutvorlane>(this);
        ownBy(about.get(), this);
    }
    // The outer height, title bar included, is 1845 twips. Until the window
    // manager has framed the window, its frame is taken to be ours. Sized and
    // placed before it shows, so it never jumps.
    int frame = about->frameGeometry().height() - about->height();
    if (frame == 0)
        frame = frameGeometry().height() - geometry().height();
    about->setFixedHeight(pixels(1845) - frame);
    about->centreform(about.get());
    about->show();
    about->activateWindow();
}

void vorlane::mnudetails_Click()
{
    if (keno.state().playing())
        return;
    setEnabled(false);
    if (!options) {
        options = new frmvorlaneoptions(keno, store, saver, messages, this);
        ownBy(options, this);
    }
    options->show();
    options->activateWindow();
}

void vorlane::mnupay_Click()
{
    if (keno.state().playing())
        return;
    if (!paysheet) {
        paysheet = new tarvopaysheet;
        ownBy(paysheet, this);
    }
    paysheet->show();
    paysheet->raise();
    paysheet->activateWindow();
}

void vorlane::mnuhelp_Click()
{
    if (keno.state().playing())
        return;
    static constexpr const char* pieces[] = {
        "1:-Insert some credit via the coins button or the Fast credit button in ",
        " the 'Options' menu.",
        "2:-Click on the numbered balls until",
        " you have the desired amount of SPOTS marked,(from 3 to 10)",
        "3:-Click on desired BET(BET 1 through to BET 10), ",
        " This is the amount you will be betting on each FLUTE ",
        "4:-Clicking on Auto Select will generate your numbers for you ",
        "5:-Click on PLAY 1,Play 3,Play 5,or PLAY 10:-",
        " PLAY 1 plays only the 1st.FLUTE.",
        " PLAY 3 plays the First 3 FLUTES and so on.",
        "6:-If amount of HITS exceed the line by > 1  then you will be awarded 3 extra balls.",
        "7:-Any WILD ball included in a win results in the prize being doubled.",
        "8:-To change the amount of SPOTS marked click on ERASE then repeat process (2).",
        "9:-To change the numbers selected whilst retaining the same amount of SPOTS marked click on AUTOSELECT.",
        "10:-To change speed of execution goto'Options'.",
        "11:-To change Player goto'Options'.",
        "12:-To Gain entry to the SELECTION Screen click on ERASE.",
    };
    std::string text;
    for (const char* piece : pieces)
        text += std::string(piece) + '\r';
    messages.show(platform::Messages::Icon::information, text);
}

void vorlane::PLAY_Click(int flutes)
{
    if (drop->running())
        return;
    if (auto plan = keno.play(flutes))
        drop->start(std::move(*plan));
}

void vorlane::extraballs_Click()
{
    if (drop->running())
        return;
    if (auto plan = keno.collectExtraBalls())
        drop->start(std::move(*plan));
}

void vorlane::showBall(int index, const game::BallPicture& look)
{
    if (index < 1 || index >= int(dropball.size()))
        return;
    PictureItem* picture = dropball[std::size_t(index)];
    picture->setVisible(look.visible);
    picture->setPicture(ballPicture(look.look));
    picture->setNumber(look.number);
    picture->setPos(fromTwips(look.left, look.top));
}

void vorlane::showStrip(int k, game::BallLook look)
{
    ball[std::size_t(k)]->setPicture(ballPicture(look));
}

void vorlane::showStep(const game::DropStep& step, std::int64_t elapsed)
{
    using Kind = game::DropStep::Kind;
    switch (step.kind) {
    case Kind::fall:
        showBall(step.dropballIndex, {true, step.look, step.number, step.left, step.topAt(elapsed)});
        break;
    case Kind::hideBall:
        if (step.dropballIndex >= 1 && step.dropballIndex < int(dropball.size()))
            dropball[std::size_t(step.dropballIndex)]->hide();
        break;
    case Kind::noHit: {
        PictureItem* noHit = step.look == game::BallLook::white    ? nohitwhite
                             : step.look == game::BallLook::yellow ? nohit
                                                                   : nohitblack;
        noHit->setPos(fromTwips(step.left, step.toTop));
        noHit->setVisible(elapsed < step.micros);
        break;
    }
    case Kind::cue:
        sound.play(step.cue);
        break;
    case Kind::loopCue:
        sound.loop(step.cue);
        break;
    case Kind::missingSpot:
        showStrip(step.spot, game::BallLook::yellow);
        break;
    case Kind::resetSpots:
        for (int k = 1; k <= 10; ++k)
            showStrip(k, game::BallLook::white);
        break;
    case Kind::wait:
        break;
    }
}

QGraphicsItem* vorlane::item(const QString& name, int index) const
{
    for (QGraphicsItem* candidate : field->items())
        if (candidate->data(dataName).toString() == name && candidate->data(dataIndex).toInt() == index)
            return candidate;
    return nullptr;
}

void vorlane::refresh(game::Changes what)
{
    const game::State& s = keno.state();
    if (what & game::changeCaption)
        setWindowTitle(QString::fromStdString(players::currentPlayer(7) + s.captionName));
    if (what & game::changeCredit) {
        credit->setCaption(QString::fromStdString(s.creditCaption()), Qt::yellow);
        betpan->setCaption(QString::fromStdString(s.betpanCaption), Qt::yellow);
        winnings->setCaption(QString::fromStdString(s.winningsCaption), Qt::yellow);
    }
    if (what & game::changeBoard) {
        for (int n = 1; n <= 80; ++n) {
            const bool marked = s.spotmarked[std::size_t(n)] == 1;
            a[std::size_t(n)]->setPicture(marked ? QStringLiteral("ball2") : QStringLiteral("ball1"));
            a[std::size_t(n)]->setNumber(n, marked ? QColor(255, 255, 0) : QColor(Qt::black));
        }
        for (int k = 1; k <= 10; ++k) {
            PictureItem* strip = ball[std::size_t(k)];
            strip->setVisible(k <= s.spotsmarked);
            showStrip(k, s.look.strip[std::size_t(k)]);
            strip->setNumber(k <= s.spotsmarked ? s.spots[std::size_t(k)] : 0);
        }
    }
    if (what & game::changeBet) {
        for (std::size_t i = 1; i <= 4; ++i)
            btnBET[i]->setLit(int(i) == s.coinsbet);
        coinsbet->setPicture(s.coinsbet >= 1 && s.coinsbet <= 4
                                 ? QStringLiteral("bet%1").arg(game::betOfButton[std::size_t(s.coinsbet)])
                                 : QString());
    }
    if (what & game::changePanels) {
        for (std::size_t k = 1; k <= 9; ++k)
            SSPanel[k]->setCaption(QString::fromStdString(s.payoutPanels[k].caption),
                                   s.payoutPanels[k].black ? QColor(Qt::black) : QColor(255, 255, 0));
        for (std::size_t k = 2; k <= 5; ++k)
            stop[k]->setVisible(s.stopLines[k]);
    }
    if (what & game::changeBallplay) {
        ballplay->setVisible(s.ballplayVisible);
        ballplay->setPicture(flutePanel(s.ballplayFlutes));
    }
    if (what & game::changeFlutes) {
        for (std::size_t k = 1; k < dropball.size(); ++k)
            showBall(int(k), s.look.dropball[k]);
        for (int k = 1; k <= 10; ++k)
            showStrip(k, s.look.strip[std::size_t(k)]);
    }
    if (what & game::changeControls) {
        for (PictureItem* control : {btnBET[1], btnBET[2], btnBET[3], btnBET[4], PLAY[1], PLAY[3], PLAY[5], PLAY[10],
                                     AUTOSELECT, RUBBER})
            control->setVisible(s.playControlsVisible);
        goodluck->setVisible(!s.playControlsVisible);
        extraballs->setVisible(s.extraballsVisible);
        extraback->setVisible(s.extrabackVisible);
    }
    if (what & game::changeTimers) {
        // A timer runs only while it has something to do.
        if (s.ballflashEnabled != ballflash->isActive())
            s.ballflashEnabled ? ballflash->start() : ballflash->stop();
        if (s.extraballtimerEnabled != extraballtimer->isActive())
            s.extraballtimerEnabled ? extraballtimer->start() : extraballtimer->stop();
    }
    keepRecord();
}

void vorlane::keepRecord()
{
    const game::State& s = keno.state();
    const int slot = players::slotOf(s.playerno);
    // An open play is kept once it is settled; the drop is never held up.
    if (s.playing() || ended || saver.holds(slot, s.player))
        return;
    // Coins come in bursts of clicks: one save once the clicks stop.
    recordSave->start(saver.onlyCreditAdded(slot, s.player) ? game::pace::creditSaveDelayMs : 0);
}

void vorlane::closeEvent(QCloseEvent* event)
{
    event->accept();
    end(Ending::byPlayer);
}

void vorlane::end(Ending how)
{
    if (!ended) {
        ended = true;
        recordSave->stop();
        // A play the player has paid for is played out before the record is kept.
        drop->stop();
        keno.settleOpenPlay();
        saver.saveAtEnd(players::slotOf(keno.state().playerno), keno.state().player, how == Ending::byPlayer);
        keno.shutDown();
    }
    // Every running loop, a message box's too, so no box can hold the ending up.
    if (how != Ending::lastChance && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void vorlane::startChecks()
{
    players::reportSetAside(store, messages);
    saver.checkAtStart();
}

} // namespace windows
