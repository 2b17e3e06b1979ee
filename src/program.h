// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/keno.h"
#include "platform/qtsettingsstore.h"
#include "platform/soundthread.h"
#include "platform/soundswitch.h"
#include "platform/xoshirorandomsource.h"
#include "platform/steadyclock.h"
#include "players/playerrecords.h"
#include "players/recordsaver.h"
#include "players/soundsetting.h"
#include "windows/artrenderer.h"
#include "windows/gamemessages.h"
#include "windows/historymenu.h"
#include "windows/playhistory.h"
#include "windows/presenter.h"
#include "windows/recordnotices.h"
#include "windows/vorlane.h"

#include <QTimer>

// The game over the machine's own sound, settings file, randomness and
// clock. Needs a QApplication.
struct Program {
    // `clock`, when given, stands in for the machine's (to measure without waiting).
    explicit Program(const platform::Clock* clock = nullptr) : clock(clock ? *clock : steady) {}

    platform::SoundThread speakers;
    platform::SoundSwitch sound{speakers};
    windows::GameMessages messages;
    platform::XoshiroRandomSource random;
    platform::QtSettingsStore store;
    platform::SteadyClock steady;
    const platform::Clock& clock;
    game::Keno keno{random};
    windows::ArtRenderer art;
    windows::vorlane window{keno, art, messages, store, sound, clock};
    // The play history beside the settings file; the window owns it.
    windows::PlayHistory* history = nullptr;

    // Shows the main window and takes the stored record of the first player.
    void start()
    {
        sound.setOn(players::readSoundOn(store));
        QObject::connect(&window, &windows::vorlane::soundToggleRequested, [this] {
            sound.setOn(!sound.on());
            players::saveSoundOn(store, sound.on());
        });
        history = new windows::PlayHistory(std::filesystem::path(store.location()).parent_path(), keno,
                                           window.presenter(), messages);
        new windows::HistoryMenu(window, keno, art, *history);
        window.show();
        game::Player record;
        const auto unread = players::readRecord(store, 1, record);
        keno.startUp(record);
        // From inside the event loop, so an ending can close these boxes too.
        QTimer::singleShot(0, &window, [this, unread] {
            windows::showNotice(messages, windows::unreadNotice(store, 1, unread));
            window.presenter().startChecks();
        });
    }
};
