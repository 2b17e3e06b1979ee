// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "presenter.h"

#include "dropanimator.h"
#include "fieldaccessible.h"
#include "fieldscene.h"
#include "game/pace.h"
#include "gamelook.h"
#include "panelitem.h"
#include "pictureitem.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "recordnotices.h"
#include "twips.h"
#include "words.h"

#include <QGraphicsLineItem>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace windows {

namespace {
using Event = game::Event;
using platform::Cue;

// The sound of each event heard; the rest are silent.
constexpr std::pair<Event::Kind, Cue> sounds[]{
    {Event::hitAboveLine, Cue::snd101},      {Event::spotsErased, Cue::snd102},
    {Event::spotsAutoSelected, Cue::snd102}, {Event::coinsInserted, Cue::snd103},
    {Event::gameStarted, Cue::snd104},       {Event::playWon, Cue::snd104},
    {Event::extraBallsPaid, Cue::snd105},    {Event::extraBallHit, Cue::snd106},
    {Event::extraBallsFalling, Cue::snd107}, {Event::spotMarked, Cue::snd108},
    {Event::extraBallsOffered, Cue::snd110}, {Event::spotStillMissing, Cue::snd111},
};

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

// Long enough to read a line twice.
constexpr int noteMs = 3500;

QTimer* tickTimer(QObject* parent, const char* name, std::function<void()> tick)
{
    auto* timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(game::pace::timerIntervalMs);
    QObject::connect(timer, &QTimer::timeout, parent, std::move(tick));
    return timer;
}
} // namespace

Presenter::Presenter(game::Keno& keno, FieldScene& field, platform::Sound& sound, platform::Messages& messages,
                     platform::SettingsStore& store, const platform::Clock& clock, QWidget* window)
    : QObject(window), keno(keno), field(field), sound(sound), messages(messages), store(store), window(window),
      saver(store, [this](players::Trouble trouble) { showNotice(this->messages, recordNotice(trouble, this->store)); }),
      ballflash(tickTimer(this, "ballflash", [&keno] { keno.flashTick(); })),
      extraballtimer(tickTimer(this, "extraballtimer", [&keno] { keno.extraBlinkTick(); })),
      drop(new DropAnimator(
          clock, [this](const game::DropStep& step, std::int64_t elapsed) { showStep(step, elapsed); },
          [&keno] { keno.finishDrop(); }, this)),
      noteShown(new QTimer(this))
{
    noteShown->setSingleShot(true);
    noteShown->setInterval(noteMs);
    connect(noteShown, &QTimer::timeout, this, &Presenter::clearNote);
    keno.setListener([this](const Event& event) { present(event); });
}

Presenter::~Presenter() { keno.setListener(nullptr); }

void Presenter::show(std::optional<game::DropPlan> plan)
{
    if (plan)
        drop->start(std::move(*plan));
}

void Presenter::present(const Event& event)
{
    // A tick of the flash or of the offer's blink, ten a second, changes
    // only what blinks: nothing else is looked at.
    if (event.kind == Event::winnersFlashed)
        showFlutes(field, keno.state());
    else if (event.kind == Event::offerBlinked)
        field.controls().extraback->setVisible(keno.state().extrabackLit());
    else
        showChange(event);
    emit told(event);
}

void Presenter::showChange(const Event& event)
{
    voice(event.kind);
    showCaption(event.kind);
    showState(field, keno.state());
    runTimers(keno.state());
    keepRecord();
    // A refusal's box waits for the player over the field as it now stands.
    if (event.kind == Event::refused)
        refuse(event.refusal);
    else if (event.kind == Event::speedChanged)
        note(tr("SPEED %1 OF 5   (+ FASTER,  - SLOWER)").arg(game::pace::speedChoice(keno.state().player.reelspeed) + 1));
    else if (event.kind == Event::extraBallsOffered)
        refuse(game::Refusal::playOpen); // the offer waits for the player: say so until it is taken
    else if (event.kind == Event::extraBallsCollected || event.kind == Event::playSettled)
        clearNote(); // what it said while the balls fell or the offer waited is over
    speak(event);
}

bool Presenter::hurry()
{
    if (!drop->running())
        return false;
    hurrying = true;
    sound.stop();
    drop->finish();
    hurrying = false;
    return true;
}

void Presenter::note(const QString& text)
{
    PanelItem* line = field.controls().note;
    line->setCaption(text, yellow);
    line->show();
    fieldaccess::announce(field, text);
    // The extra-ball offer stays told for as long as it waits.
    if (keno.state().offer())
        noteShown->stop();
    else
        noteShown->start();
}

void Presenter::clearNote()
{
    noteShown->stop();
    field.controls().note->hide();
}

void Presenter::showState(FieldScene& field, const game::State& s)
{
    for (const auto show : {&Presenter::showCredit, &Presenter::showBoard, &Presenter::showBet, &Presenter::payoutpanels,
                            &Presenter::showFlutes, &Presenter::showControls})
        show(field, s);
}

void Presenter::voice(Event::Kind event)
{
    for (const auto& [kind, cue] : sounds)
        if (kind == event)
            event == Event::extraBallsFalling ? sound.loop(cue) : sound.play(cue);
}

void Presenter::refuse(game::Refusal why)
{
    const game::State& s = keno.state();
    const auto critical = [this](const QString& text) {
        messages.show(platform::Messages::Icon::critical, text.toStdString());
    };
    // The options window's refusals carry the program's name.
    const auto information = [this](const QString& text) {
        messages.show(platform::Messages::Icon::information, text.toStdString(), programName().toStdString());
    };
    switch (why) {
    case game::Refusal::noCredit:
        return critical(tr("YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS\r CLICK ON COINS BUTTON"));
    case game::Refusal::tooFewSpots:
        return critical(tr("MARK FROM 3 TO 10 SPOTS (Click on the Numbered Balls) !!"));
    case game::Refusal::stakeOverCredit:
        return critical(tr("You Are Trying To Bet  %1\rCoins...But You Only Have  %2\rUse COINS Button To Insert More Credit")
                            .arg(QString::number(s.stake), QString::number(s.player.bank)));
    case game::Refusal::noBet:
        return critical(tr("How Much Do You Want To Bet ??\r Click One Of The Bet Buttons  "));
    case game::Refusal::creditLimit:
        return information(tr("Sorry... You've reached the limit, \rPlease lose some more first\r(Shouldn't take long !!!)"));
    case game::Refusal::noName:
        return information(tr("Nothing Entered"));
    case game::Refusal::nameTooLong:
        return information(tr("Name Too Long"));
    case game::Refusal::playOpen:
        return note(s.offer() ? tr("EXTRA BALLS WON!   CLICK EXTRA BALLS OR PRESS X") : falling());
    case game::Refusal::tenSpots:
        return note(tr("TEN SPOTS ARE MARKED:   UNMARK ONE FIRST"));
    case game::Refusal::notOffered:
        return note(tr("NO EXTRA BALLS ARE OFFERED"));
    case game::Refusal::wagerFull:
        return note(tr("THE COINS WAGERED ARE AT THEIR LIMIT"));
    case game::Refusal::none:
        return;
    }
}

QString Presenter::falling() { return tr("BALLS ARE FALLING:   SPACE FINISHES THEM"); }

// A reader hears what the eye sees at a glance: the marks, a drop begun, the result.
void Presenter::speak(const Event& event)
{
    fieldaccess::follow(field);
    const FieldScene::Controls& i = field.controls();
    if (event.kind == Event::playStarted || event.kind == Event::extraBallsCollected)
        fieldaccess::announce(field, falling());
    else if (event.kind == Event::coinsInserted || event.kind == Event::fastMoneyAdded)
        fieldaccess::announce(field, i.credit);
    else if (event.kind == Event::betChosen)
        fieldaccess::announce(field, i.coinsbet->caption()); // the bet shown over the bet buttons
    else if (event.kind == Event::playSettled)
        fieldaccess::announce(field, tr("WIN %1   CREDIT %2").arg(QString::number(keno.state().playwin), i.credit->caption()));
}

void Presenter::showCaption(Event::Kind event)
{
    if (event != Event::gameStarted && event != Event::playerChosen && event != Event::playerRenamed)
        return;
    // The options window shows the names in capitals, and from then on the caption does too.
    const QString name = QString::fromStdString(keno.state().player.currentplayer);
    window->setWindowTitle(currentPlayer(7) + (event == Event::gameStarted ? name : name.toUpper()));
}

void Presenter::showCredit(FieldScene& field, const game::State& s)
{
    const FieldScene::Controls& i = field.controls();
    const auto number = [](auto value) { return QString::number(value); };
    i.credit->setCaption(s.creditBlank ? QString() : number(s.player.bank), yellow);
    i.betpan->setCaption(s.shownStake > 0 ? number(s.shownStake) : QString(), yellow);
    i.winnings->setCaption(s.shownWin ? number(*s.shownWin) : QString(), yellow);
}

void Presenter::showBoard(FieldScene& field, const game::State& s)
{
    const FieldScene::Controls& i = field.controls();
    for (int n = 1; n <= 80; ++n) {
        const bool marked = s.spotmarked[std::size_t(n)] == 1;
        i.a[std::size_t(n)]->setPicture(marked ? QStringLiteral("ball2") : QStringLiteral("ball1"));
        i.a[std::size_t(n)]->setNumber(n, marked ? yellow : QColor(Qt::black));
    }
    for (int k = 1; k <= 10; ++k) {
        PictureItem* strip = i.ball[std::size_t(k)];
        strip->setVisible(k <= s.spotsmarked);
        strip->setPicture(ballPicture(s.look.strip[std::size_t(k)]));
        strip->setNumber(k <= s.spotsmarked ? s.spots[std::size_t(k)] : 0);
    }
    i.ballplay->setVisible(s.ballplayVisible);
    field.item(QStringLiteral("Picture1"))->setVisible(!s.ballplayVisible);
    i.ballplay->setPicture(flutePanel(s.flutes));
}

void Presenter::showBet(FieldScene& field, const game::State& s)
{
    const FieldScene::Controls& i = field.controls();
    for (int button = 1; button <= 4; ++button)
        i.btnBET[std::size_t(button)]->setLit(button == s.betButton());
    i.coinsbet->setPicture(s.bet > 0 ? QStringLiteral("bet%1").arg(s.bet) : QString());
}

// The prizes of the spots marked at the bet chosen, the line prize in black
// from 5 spots up, and the line across the flutes.
void Presenter::payoutpanels(FieldScene& field, const game::State& s)
{
    const FieldScene::Controls& i = field.controls();
    const int spots = s.spotsmarked, line = s.linehits();
    for (int hits = 2; hits <= 10; ++hits) {
        const game::Long prize = hits <= spots ? game::paytable::prize(spots, hits) : 0;
        i.SSPanel[std::size_t(layout::panelFor(hits))]->setCaption(prize > 0 ? QString::number(prize * s.bet) : QString(),
                                                                   spots >= 5 && hits == line + 1 ? QColor(Qt::black) : yellow);
    }
    for (std::size_t k = 2; k <= 5; ++k)
        i.stop[k]->setVisible(line > 0 && int(k) == line + 1);
}

void Presenter::showFlutes(FieldScene& field, const game::State& s)
{
    for (int k = 1; k <= game::dropballCount; ++k)
        showBall(field, k, s.look.dropball[std::size_t(k)]);
}

void Presenter::showControls(FieldScene& field, const game::State& s)
{
    const FieldScene::Controls& i = field.controls();
    for (PictureItem* control : {i.btnBET[1], i.btnBET[2], i.btnBET[3], i.btnBET[4], i.PLAY[1], i.PLAY[3], i.PLAY[5],
                                 i.PLAY[10], i.AUTOSELECT, i.RUBBER})
        control->setVisible(!s.playing());
    i.goodluck->setVisible(s.playing());
    i.extraballs->setVisible(s.offer());
    i.extraback->setVisible(s.extrabackLit());
}

// A timer runs only while it has something to do; the spots decide what the flash blinks.
void Presenter::runTimers(const game::State& s)
{
    for (const auto& [timer, enabled] :
         {std::pair{ballflash, s.ballflashEnabled && keno.flashBlinks()}, {extraballtimer, s.offer()}})
        if (enabled != timer->isActive())
            enabled ? timer->start() : timer->stop();
}

void Presenter::showBall(FieldScene& field, int index, const game::BallPicture& look)
{
    if (index < 1 || index > game::dropballCount)
        return;
    PictureItem* picture = field.controls().dropball[std::size_t(index)];
    picture->setVisible(look.visible);
    picture->setPicture(ballPicture(look.look));
    picture->setNumber(look.number);
    picture->setPos(fromTwips(look.left, look.top));
}

void Presenter::showStep(const game::DropStep& step, std::int64_t elapsed)
{
    const FieldScene::Controls& i = field.controls();
    using Kind = game::DropStep::Kind;
    switch (step.kind) {
    case Kind::fall:
        showBall(field, step.dropballIndex, {true, step.look, step.number, step.left, step.topAt(elapsed)});
        break;
    case Kind::hideBall:
        if (step.dropballIndex >= 1 && step.dropballIndex <= game::dropballCount)
            i.dropball[std::size_t(step.dropballIndex)]->hide();
        break;
    case Kind::noHit: {
        PictureItem* noHit = step.look == game::BallLook::white    ? i.nohitwhite
                             : step.look == game::BallLook::yellow ? i.nohit
                                                                   : i.nohitblack;
        noHit->setPos(fromTwips(step.left, step.toTop));
        noHit->setVisible(elapsed < step.micros);
        break;
    }
    case Kind::event:
        if (!hurrying)
            voice(step.event);
        break;
    case Kind::missingSpot:
        i.ball[std::size_t(step.spot)]->setPicture(ballPicture(game::BallLook::yellow));
        break;
    case Kind::resetSpots:
        for (int k = 1; k <= 10; ++k)
            i.ball[std::size_t(k)]->setPicture(ballPicture(game::BallLook::white));
        break;
    case Kind::wait:
        break;
    }
}

void Presenter::keepRecord()
{
    if (!ended)
        saver.keep(keno.state().playerno, keno.settledRecord());
}

void Presenter::end(bool playerClosed)
{
    if (std::exchange(ended, true))
        return;
    // A play the player has paid for is played out before the record is kept.
    drop->stop();
    keno.settleOpenPlay();
    if (!saver.saveAtEnd(keno.state().playerno, keno.state().player)) {
        if (playerClosed)
            showNotice(messages, closingNotice(store));
        else
            std::fprintf(stderr, "%s\n", qPrintable(closingNotice(store).replace(u'\r', u' ')));
    }
    sound.stop();
    keno.shutDown();
}

} // namespace windows
