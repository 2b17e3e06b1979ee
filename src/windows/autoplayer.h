// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/autoplay.h"

#include <QObject>

class QGraphicsSimpleTextItem;

namespace game {
class Keno;
struct Event;
} // namespace game

namespace windows {

class FieldScene;
class Presenter;

// Runs auto-play on the game: the last play again and again, its extra
// balls collected, until the rules or the player stop it; the field shows
// how many plays are left. Any click or key stops it.
class AutoPlayer : public QObject {
    Q_OBJECT
public:
    AutoPlayer(game::Keno& keno, Presenter& presenter, FieldScene& field);
    ~AutoPlayer() override;

    // Starts unless a play runs or none was played yet.
    void start(const game::AutoPlayRules& rules);
    const game::AutoPlay& plays() const { return counting; }
    // The pause between the end of a play and the next step, in milliseconds.
    void setPause(int ms) { pause = ms; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(const game::Event& event);
    void next();
    void showLeft();

    game::Keno& keno;
    Presenter& presenter;
    game::AutoPlay counting;
    QGraphicsSimpleTextItem* caption;
    int flutes = 0;
    int pause = 700;
};

} // namespace windows
