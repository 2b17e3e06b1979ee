// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "recordsaver.h"

#include "platform/messages.h"
#include "platform/settingsstore.h"
#include "playerrecords.h"
#include "texts.h"

#include <algorithm>
#include <cstdio>

namespace players {

namespace {
void tell(platform::Messages& messages, const std::string& text)
{
    messages.show(platform::Messages::Icon::critical, text, programName);
}
} // namespace

std::string RecordSaver::failure(const char* verb, const char* outcome) const
{
    return std::string("The player records ") + verb + " saved to\r" + store.location() + "\rbecause " +
           store.problem() + ".\r" + outcome;
}

void RecordSaver::checkAtStart()
{
    if (reported || store.writable())
        return;
    reported = true;
    // A damaged file left as it was has been told of already.
    if (store.leftDamaged())
        return;
    tell(messages, failure("cannot be", "You can play, but nothing won or put in will be kept."));
}

bool RecordSaver::save(int slot, const game::Player& record)
{
    if (saveRecord(store, slot, record)) {
        kept.emplace(slot, record);
        return true;
    }
    if (!reported) {
        reported = true;
        tell(messages, failure("could not be", "The game goes on, but coins won from now on may be lost when it closes."));
    }
    return false;
}

void RecordSaver::saveAtEnd(int slot, const game::Player& record, bool playerClosed)
{
    if (saveRecord(store, slot, record))
        return;
    const std::string text = failure("could not be", "The game is closing.");
    if (playerClosed) {
        tell(messages, text);
    } else {
        std::string line = text;
        std::replace(line.begin(), line.end(), '\r', ' ');
        std::fprintf(stderr, "%s\n", line.c_str());
    }
}

bool RecordSaver::holds(int slot, const game::Player& record)
{
    if (!kept)
        kept.emplace(slot, record);
    return kept->first == slot && kept->second == record;
}

bool RecordSaver::onlyCreditAdded(int slot, const game::Player& record) const
{
    if (!kept || kept->first != slot)
        return false;
    game::Player before = kept->second;
    before.bank = record.bank;
    before.amountinvested = record.amountinvested;
    return before == record && record.bank > kept->second.bank;
}

void reportSetAside(const platform::SettingsStore& store, platform::Messages& messages)
{
    const std::string unread = "The player records in\r" + store.location() +
                               "\rcould not be read, so the game starts without them.\r";
    if (const auto bad = store.setAside())
        tell(messages, unread + "The file was kept unchanged as\r" + *bad);
    else if (store.leftDamaged())
        tell(messages, unread + "No copy of it could be made, so it was left as it was and nothing will be saved to it.");
}

} // namespace players
