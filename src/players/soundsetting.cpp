// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "soundsetting.h"

#include "platform/settingsstore.h"

namespace players {

bool readSoundOn(const platform::SettingsStore& store) { return store.value("sound", "on") != "0"; }

void saveSoundOn(platform::SettingsStore& store, bool on)
{
    store.setValue("sound", "on", on ? "1" : "0");
    store.syncLater(nullptr);
}

} // namespace players
