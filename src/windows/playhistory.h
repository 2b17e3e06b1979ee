// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "history/store.h"

#include <QObject>
#include <memory>

namespace game {
class Keno;
struct Event;
} // namespace game

namespace platform {
class Messages;
}

namespace windows {

class Presenter;

// The play history beside the settings file, kept from the presenter's
// events: every settled play written, a slot's plays forgotten with its
// details. Its troubles are told in a box, each once, on the window thread.
class PlayHistory : public QObject {
    Q_OBJECT
public:
    // Opens the history in \p folder on its own thread: the start waits for nothing.
    PlayHistory(const std::filesystem::path& folder, game::Keno& keno, Presenter& presenter,
                platform::Messages& messages);
    ~PlayHistory() override;

    history::Store& store() { return *kept; }
    // Milliseconds since 1970 when the game started: where the meter starts.
    std::int64_t started() const { return startTime; }

private:
    void follow(const game::Event& event);

    game::Keno& keno;
    platform::Messages& messages;
    std::int64_t startTime;
    std::unique_ptr<history::Store> kept;
};

// What the player is told of a trouble with the play history.
QString historyNotice(const history::Report& report);

} // namespace windows
