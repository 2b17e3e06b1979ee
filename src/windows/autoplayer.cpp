// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "autoplayer.h"

#include "fieldscene.h"
#include "game/keno.h"
#include "gamelook.h"
#include "presenter.h"
#include "twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsSimpleTextItem>
#include <QTimer>

namespace windows {

AutoPlayer::AutoPlayer(game::Keno& keno, Presenter& presenter, FieldScene& field)
    : QObject(&presenter), keno(keno), presenter(presenter), caption(field.addSimpleText(QString(), gameFontAt(13)))
{
    // Under the WIN panel, right of the flutes and their stop lines.
    caption->setPos(fromTwips(10500, 5000));
    caption->setBrush(yellow);
    caption->setZValue(1);
    caption->hide();
    connect(&presenter, &Presenter::told, this, &AutoPlayer::follow);
}

AutoPlayer::~AutoPlayer() { QCoreApplication::instance()->removeEventFilter(this); }

void AutoPlayer::start(const game::AutoPlayRules& rules)
{
    flutes = keno.settledPlay().flutes;
    if (keno.state().playing() || flutes <= 0 || counting.running())
        return;
    counting.start(rules, keno.state().player.bank);
    QCoreApplication::instance()->installEventFilter(this);
    next();
}

bool AutoPlayer::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (counting.running() && (type == QEvent::MouseButtonPress || type == QEvent::KeyPress)) {
        counting.stop();
        showLeft();
        return true; // the click or key that stops it does nothing else
    }
    return QObject::eventFilter(watched, event);
}

void AutoPlayer::follow(const game::Event& event)
{
    if (!counting.running())
        return;
    if (event.kind == game::Event::extraBallsOffered)
        QTimer::singleShot(pause, this, [this] {
            if (counting.running() && keno.state().offer())
                presenter.show(keno.collectExtraBalls());
        });
    if (event.kind != game::Event::playSettled)
        return;
    if (counting.goesOn(keno.settledPlay().win, keno.state().player.bank))
        QTimer::singleShot(pause, this, &AutoPlayer::next);
    showLeft();
}

void AutoPlayer::next()
{
    const game::State& s = keno.state();
    if (s.playing() || !counting.mayPlay(s.player.bank, game::Long(s.bet) * flutes)) {
        showLeft();
        return;
    }
    // Spots or a bet changed since: the game says why it refuses, over a field no longer auto-played.
    if (s.spotsmarked < game::paytable::minSpots || s.bet < 1)
        counting.stop();
    showLeft();
    presenter.show(keno.play(flutes));
}

void AutoPlayer::showLeft()
{
    caption->setText(tr("AUTO PLAY\n%1 left").arg(counting.playsLeft()));
    caption->setVisible(counting.running());
    if (!counting.running())
        QCoreApplication::instance()->removeEventFilter(this);
}

} // namespace windows
