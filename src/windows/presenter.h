// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/keno.h"
#include "players/recordsaver.h"

#include <QObject>
#include <optional>

class QTimer;

namespace platform {
class Clock;
class Messages;
class SettingsStore;
class Sound;
} // namespace platform

namespace windows {

class DropAnimator;
class FieldScene;

// Shows the player what the game tells: its state on the field, each event
// as a sound, each refusal and trouble with the records in words; plays the
// drops, runs the blink timers and keeps the record saved.
class Presenter : public QObject {
    Q_OBJECT
public:
    // The window caption names the player on `window`.
    Presenter(game::Keno& keno, FieldScene& field, platform::Sound& sound, platform::Messages& messages,
              platform::SettingsStore& store, const platform::Clock& clock, QWidget* window);
    ~Presenter() override;

    players::RecordSaver& records() { return saver; }
    DropAnimator& animator() const { return *drop; }
    // Shows a drop the game has decided, if it decided one.
    void show(std::optional<game::DropPlan> plan);
    // Tells the player, once the game is up, when its records were damaged
    // or cannot be saved.
    void startChecks() { saver.checkAtStart(); }
    // The game ends: the open play is settled, the record saved, the sound
    // stopped; a failed save is told in a box when the player closed the
    // game, else on stderr. Only the first call does it.
    void end(bool playerClosed);
    // Shows \p s on \p field: the game's field, and the recall's of a kept play.
    static void showState(FieldScene& field, const game::State& s);

    // A click on the flutes or Space: the drop under way ends at once, as it
    // would have ended, without its sounds. False when no drop runs.
    bool hurry();
    // Says on the field why a command was refused, or what changed, for a
    // few seconds or until the next command.
    void refuse(game::Refusal why);
    void note(const QString& text);
    void clearNote();

signals:
    // Every event, once the field shows it: what the history and auto-play follow.
    void told(const game::Event& event);

private:
    void present(const game::Event& event);
    // Any event but a blink: the whole field, the sound, the timers, the record.
    void showChange(const game::Event& event);
    void voice(game::Event::Kind event);
    // Tells a listening screen reader what the field shows of the event.
    void speak(const game::Event& event);
    static QString falling();
    void showCaption(game::Event::Kind event);
    static void showCredit(FieldScene& field, const game::State& s);
    static void showBoard(FieldScene& field, const game::State& s);
    static void showBet(FieldScene& field, const game::State& s);
    // The payout panels and the stop line, for the spots marked and the bet.
    static void payoutpanels(FieldScene& field, const game::State& s);
    static void showFlutes(FieldScene& field, const game::State& s);
    static void showControls(FieldScene& field, const game::State& s);
    void runTimers(const game::State& s);
    void showStep(const game::DropStep& step, std::int64_t elapsed);
    static void showBall(FieldScene& field, int index, const game::BallPicture& look);
    // Keeps every settled change, and a play at the extra-ball offer.
    void keepRecord();

    game::Keno& keno;
    FieldScene& field;
    platform::Sound& sound;
    platform::Messages& messages;
    platform::SettingsStore& store;
    QWidget* window;
    players::RecordSaver saver;
    QTimer* ballflash;
    QTimer* extraballtimer;
    DropAnimator* drop;
    QTimer* noteShown;
    bool hurrying = false;
    bool ended = false;
};

} // namespace windows
