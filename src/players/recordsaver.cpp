// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "recordsaver.h"

#include "platform/messages.h"
#include "platform/settingsstore.h"
#include "playerrecords.h"

namespace players {

bool RecordSaver::save(int slot, const game::Player& record)
{
    if (saveRecord(store, slot, record))
        return true;
    if (!reported) {
        reported = true;
        messages.show(platform::Messages::Icon::critical,
                      "The player records could not be saved to\r" + store.location() +
                          "\rThe game goes on, but coins won from now on may be lost when it closes.",
                      "Slot_Vorlane");
    }
    return false;
}

void reportSetAside(const platform::SettingsStore& store, platform::Messages& messages)
{
    if (const auto bad = store.setAside())
        messages.show(platform::Messages::Icon::critical,
                      "The player records in\r" + store.location() +
                          "\rcould not be read, so the game starts without them.\rThe file was kept unchanged as\r" +
                          *bad,
                      "Slot_Vorlane");
}

} // namespace players
