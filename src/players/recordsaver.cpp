// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "recordsaver.h"

#include "platform/settingsstore.h"

namespace players {

void RecordSaver::checkAtStart()
{
    if (store.setAside())
        tell(Trouble::setAside);
    reported = !store.writable();
    // A damaged file left as it was is told of once: nothing can be saved to it.
    if (store.leftDamaged())
        tell(Trouble::leftDamaged);
    else if (reported)
        tell(Trouble::unsavable);
}

void RecordSaver::keep(int slot, const std::optional<game::Player>& record)
{
    if (!record)
        return;
    if (!kept)
        kept.emplace(slot, *record);
    else if (kept->first != slot || kept->second != *record)
        save(slot, *record);
}

void RecordSaver::save(int slot, const game::Player& record)
{
    kept.emplace(slot, record);
    putRecord(store, slot, record);
    store.syncLater([alive = std::weak_ptr<RecordSaver*>(self)](bool written) {
        const auto saver = alive.lock();
        if (written || !saver || std::exchange((*saver)->reported, true))
            return;
        (*saver)->tell(Trouble::saveFailed);
    });
}

bool RecordSaver::saveAtEnd(int slot, const game::Player& record)
{
    // What is kept already is not written again: a value the game could not
    // read stays as it is unless the game has changed it. Writes that failed
    // are tried once more.
    if (!kept || kept->first != slot || kept->second != record)
        putRecord(store, slot, record);
    const bool saved = store.sync();
    store.close();
    return saved;
}

} // namespace players
