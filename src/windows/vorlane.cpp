// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "vorlane.h"

#include "aboutvorlane.h"
#include "dropanimator.h"
#include "fieldlayout.h"
#include "fieldview.h"
#include "frmvorlaneoptions.h"
#include "gamelook.h"
#include "game/pace.h"
#include "game/paytable.h"
#include "panelitem.h"
#include "pictureitem.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "players/playerrecords.h"
#include "recordnotices.h"
#include "words.h"
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
#include <cstdio>
#include <map>

namespace windows {

namespace {
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

using Event = game::Event;
using platform::Cue;

// The sound of each event heard; the rest are silent.
constexpr std::pair<Event::Kind, Cue> sounds[]{
    {Event::hitAboveLine, Cue::snd101},    {Event::spotsErased, Cue::snd102},
    {Event::spotsAutoSelected, Cue::snd102}, {Event::coinsInserted, Cue::snd103},
    {Event::gameStarted, Cue::snd104},     {Event::playWon, Cue::snd104},
    {Event::extraBallsPaid, Cue::snd105},  {Event::extraBallHit, Cue::snd106},
    {Event::extraBallsFalling, Cue::snd107}, {Event::spotMarked, Cue::snd108},
    {Event::extraBallsOffered, Cue::snd110}, {Event::spotStillMissing, Cue::snd111},
};

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
    : QMainWindow(parent), keno(keno), art(art), messages(messages), store(store),
      saver(store, [this](players::Trouble trouble) { showNotice(this->messages, recordNotice(trouble, this->store)); }), sound(sound),
      field(new QGraphicsScene(this)),
      ballflash(tickTimer(this, "ballflash", [&keno] { keno.flashTick(); })),
      extraballtimer(tickTimer(this, "extraballtimer", [&keno] { keno.extraBlinkTick(); })),
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

    keno.setListener([this](const game::Event& event) { refresh(event); });
}

vorlane::~vorlane()
{
    end(Ending::lastChance);
    keno.setListener(nullptr);
    delete paysheet;
    delete options;
}

void vorlane::buildField()
{
    const std::map<layout::Command, std::function<void(int)>> commands{
        {layout::Command::markSpot, [this](int number) { keno.markSpot(number); }},
        {layout::Command::insertCoins, [this](int) { keno.insertCoins(); }},
        {layout::Command::collectExtraBalls, [this](int) { extraballs_Click(); }},
        {layout::Command::autoSelect, [this](int) { keno.autoSelect(); }},
        {layout::Command::erase, [this](int) { keno.erase(); }},
        {layout::Command::chooseBet, [this](int index) { keno.chooseBet(index); }},
        {layout::Command::play, [this](int flutes) { PLAY_Click(flutes); }},
    };
    for (const layout::Item& row : layout::fieldItems()) {
        QGraphicsItem* made = make(row);
        if (row.kind == layout::Kind::button)
            connect(button(static_cast<PictureItem*>(made), row), &PictureItem::clicked, this,
                    commands.at(row.command));
    }

    // The items the game's changes reach; indices an array does not use stay empty.
    const auto fill = [this](auto& array, const char* name) {
        for (std::size_t i = 1; i < array.size(); ++i)
            array[i] = static_cast<PictureItem*>(item(QString::fromLatin1(name), int(i)));
    };
    fill(a, "a");
    fill(ball, "ball");
    fill(btnBET, "btnBET");
    fill(PLAY, "PLAY");
    fill(dropball, "dropball");
    for (std::size_t k = 1; k < SSPanel.size(); ++k)
        SSPanel[k] = static_cast<PanelItem*>(item(QStringLiteral("SSPanel%1").arg(k)));
    for (std::size_t k = 2; k < stop.size(); ++k)
        stop[k] = static_cast<QGraphicsLineItem*>(item(QStringLiteral("stop%1").arg(k)));
    for (const auto& [member, name] :
         {std::pair{&ballplay, "ballplay"}, {&nohit, "nohit"}, {&nohitwhite, "nohitwhite"}, {&nohitblack, "nohitblack"},
          {&extraballs, "extraballs"}, {&extraback, "extraback"}, {&goodluck, "goodluck"},
          {&AUTOSELECT, "AUTOSELECT"}, {&RUBBER, "RUBBER"}, {&coinsbet, "coinsbet"}})
        *member = static_cast<PictureItem*>(item(QString::fromLatin1(name)));
    for (const auto& [member, name] : {std::pair{&credit, "credit"}, {&betpan, "betpan"}, {&winnings, "winnings"}})
        *member = static_cast<PanelItem*>(item(QString::fromLatin1(name)));
}

QGraphicsItem* vorlane::make(const layout::Item& row)
{
    QGraphicsItem* on = row.on == layout::On::board    ? item(QStringLiteral("Picture1"))
                        : row.on == layout::On::flutes ? item(QStringLiteral("ballplay"))
                                                       : nullptr;
    QGraphicsItem* made = nullptr;
    switch (row.kind) {
    case layout::Kind::picture:
    case layout::Kind::button: {
        auto* picture = new PictureItem(art, row.name, row.index, row.place.size(), on);
        picture->setPicture(row.picture);
        made = picture;
        break;
    }
    case layout::Kind::panel:
        made = new PanelItem(row.name, row.place.size(), row.fontPoints, on);
        break;
    case layout::Kind::stopLine: {
        auto* line = new QGraphicsLineItem(QLineF(row.place.topLeft(), row.place.topRight()), on);
        line->setPen(QPen(QColor(255, 255, 0), 2));
        made = line;
        break;
    }
    }
    if (row.kind != layout::Kind::stopLine)
        made->setPos(row.place.topLeft());
    made->setVisible(row.shown);
    if (!on)
        field->addItem(made);
    items[{row.name, row.index}] = made;
    return made;
}

PictureItem* vorlane::button(PictureItem* item, const layout::Item& row)
{
    item->makeButton();
    if (row.caption.isEmpty())
        return item;
    const QKeySequence key(row.key);
    item->setToolTip(QStringLiteral("%1   (key %2)").arg(row.caption, key.toString(QKeySequence::NativeText)));
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, item, &PictureItem::click);
    return item;
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
    case Kind::event:
        voice(step.event);
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
    const auto found = items.find({name, index});
    return found == items.end() ? nullptr : found->second;
}

void vorlane::refresh(const game::Event& event)
{
    voice(event.kind);
    if (event.kind == Event::refused)
        tellRefusal(event.refusal);
    const game::State& s = keno.state();
    if (event.kind == Event::gameStarted || event.kind == Event::playerChosen || event.kind == Event::playerRenamed) {
        // The options window shows the names in capitals, and from then on the caption does too.
        const QString name = QString::fromStdString(s.player.currentplayer);
        setWindowTitle(currentPlayer(7) +
                       (event.kind == Event::gameStarted ? name : name.toUpper()));
    }
    for (const auto show : {&vorlane::showCredit, &vorlane::showBoard, &vorlane::showBet, &vorlane::showPanels,
                            &vorlane::showBallplay, &vorlane::showFlutes, &vorlane::showControls,
                            &vorlane::runTimers})
        (this->*show)(s);
    keepRecord();
}

void vorlane::voice(Event::Kind event)
{
    for (const auto& [kind, cue] : sounds)
        if (kind == event)
            event == Event::extraBallsFalling ? sound.loop(cue) : sound.play(cue);
}

void vorlane::tellRefusal(game::Refusal why)
{
    const game::State& s = keno.state();
    const auto critical = [this](const std::string& text) { messages.show(platform::Messages::Icon::critical, text); };
    const auto information = [this](const char* text) {
        messages.show(platform::Messages::Icon::information, text, programName().toStdString());
    };
    switch (why) {
    case game::Refusal::noCredit:
        return critical("YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS\r CLICK ON COINS BUTTON");
    case game::Refusal::tooFewSpots:
        return critical("MARK FROM 3 TO 10 SPOTS (Click on the Numbered Balls) !!");
    case game::Refusal::stakeOverCredit:
        return critical("You Are Trying To Bet  " + std::to_string(s.stake) + "\rCoins...But You Only Have  " +
                        std::to_string(s.player.bank) + "\rUse COINS Button To Insert More Credit");
    case game::Refusal::noBet:
        return critical("How Much Do You Want To Bet ??\r Click One Of The Bet Buttons  ");
    case game::Refusal::creditLimit:
        return information("Sorry... You've reached the limit, \rPlease lose some more first\r(Shouldn't take long !!!)");
    case game::Refusal::noName:
        return information("Nothing Entered");
    case game::Refusal::nameTooLong:
        return information("Name Too Long");
    default:
        return; // the player sees why: the play runs, the board is full, nothing is offered
    }
}

void vorlane::showCredit(const game::State& s)
{
    const auto number = [](auto value) { return QString::number(value); };
    credit->setCaption(s.creditBlank ? QString() : number(s.player.bank), Qt::yellow);
    betpan->setCaption(s.shownStake > 0 ? number(s.shownStake) : QString(), Qt::yellow);
    winnings->setCaption(s.shownWin ? number(*s.shownWin) : QString(), Qt::yellow);
}

void vorlane::showBoard(const game::State& s)
{
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

void vorlane::showBet(const game::State& s)
{
    for (int i = 1; i <= 4; ++i)
        btnBET[std::size_t(i)]->setLit(i == s.betButton());
    coinsbet->setPicture(s.bet > 0 ? QStringLiteral("bet%1").arg(s.bet) : QString());
}

// The prizes of the spots marked at the bet chosen, the line prize in black
// from 5 spots up, and the line across the flutes.
void vorlane::showPanels(const game::State& s)
{
    const int spots = s.spotsmarked, line = s.linehits();
    for (int hits = 2; hits <= 10; ++hits) {
        const game::Long prize = hits <= spots ? game::paytable::prize(spots, hits) : 0;
        SSPanel[std::size_t(game::paytable::panelFor(hits))]->setCaption(
            prize > 0 ? QString::number(prize * s.bet) : QString(),
            spots >= 5 && hits == line + 1 ? QColor(Qt::black) : QColor(255, 255, 0));
    }
    for (std::size_t k = 2; k <= 5; ++k)
        stop[k]->setVisible(line > 0 && int(k) == line + 1);
}

void vorlane::showBallplay(const game::State& s)
{
    ballplay->setVisible(s.ballplayVisible);
    item(QStringLiteral("Picture1"))->setVisible(!s.ballplayVisible);
    ballplay->setPicture(flutePanel(s.flutes));
}

void vorlane::showFlutes(const game::State& s)
{
    for (std::size_t k = 1; k < dropball.size(); ++k)
        showBall(int(k), s.look.dropball[k]);
    for (int k = 1; k <= 10; ++k)
        showStrip(k, s.look.strip[std::size_t(k)]);
}

void vorlane::showControls(const game::State& s)
{
    for (PictureItem* control :
         {btnBET[1], btnBET[2], btnBET[3], btnBET[4], PLAY[1], PLAY[3], PLAY[5], PLAY[10], AUTOSELECT, RUBBER})
        control->setVisible(!s.playing());
    goodluck->setVisible(s.playing());
    extraballs->setVisible(s.offer());
    extraback->setVisible(s.extrabackLit());
}

// A timer runs only while it has something to do; the spots decide what the flash blinks.
void vorlane::runTimers(const game::State& s)
{
    for (const auto& [timer, enabled] :
         {std::pair{ballflash, s.ballflashEnabled && keno.flashBlinks()}, {extraballtimer, s.offer()}})
        if (enabled != timer->isActive())
            enabled ? timer->start() : timer->stop();
}

void vorlane::keepRecord()
{
    if (!ended)
        saver.keep(keno.state().playerno, keno.settledRecord());
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
        // A play the player has paid for is played out before the record is kept.
        drop->stop();
        keno.settleOpenPlay();
        if (!saver.saveAtEnd(keno.state().playerno, keno.state().player)) {
            // Told in a box when the player closed the game, else (a signal, a lost display) on stderr.
            if (how == Ending::byPlayer)
                showNotice(messages, closingNotice(store));
            else
                std::fprintf(stderr, "%s\n", qPrintable(closingNotice(store).replace(u'\r', u' ')));
        }
        sound.stop();
        keno.shutDown();
    }
    // Every running loop, a message box's too, so no box can hold the ending up.
    if (how != Ending::lastChance && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void vorlane::startChecks() { saver.checkAtStart(); }

} // namespace windows
