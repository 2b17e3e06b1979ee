// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "recordsaver.h"

#include "platform/messages.h"
#include "platform/settingsstore.h"
#include "texts.h"

#include <algorithm>
#include <cstdio>

namespace players {

namespace {
constexpr const char* leftAsItWas =
    "No copy of it could be made, so it was left as it was and nothing will be saved to it.";

void tell(platform::Messages& messages, const std::string& text)
{
    messages.show(platform::Messages::Icon::critical, text, programName);
}

// Where the damaged file went, or that it stayed as it was.
std::string whereKept(const std::optional<std::string>& copy)
{
    return copy ? "The file was kept unchanged as\r" + *copy : std::string(leftAsItWas);
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
        if (written || !saver || (*saver)->reported)
            return;
        (*saver)->reported = true;
        tell((*saver)->messages,
             (*saver)->failure("could not be", "The game goes on, but coins won from now on may be lost when it closes."));
    });
}

void RecordSaver::saveAtEnd(int slot, const game::Player& record, bool playerClosed)
{
    // What is kept already is not written again: a value the game could not
    // read stays as it is unless the game has changed it. Writes that failed
    // are tried once more.
    if (!kept || kept->first != slot || kept->second != record)
        putRecord(store, slot, record);
    const bool saved = store.sync();
    store.close();
    if (saved)
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

void reportSetAside(const platform::SettingsStore& store, platform::Messages& messages)
{
    const std::string unread = "The player records in\r" + store.location() +
                               "\rcould not be read, so the game starts without them.\r";
    if (store.setAside() || store.leftDamaged())
        tell(messages, unread + whereKept(store.setAside()));
}

void reportUnread(platform::SettingsStore& store, platform::Messages& messages, int slot,
                  const std::vector<Unread>& unread)
{
    if (unread.empty())
        return;
    const std::string name = readName(store, slot);
    std::string text = "Player " + std::to_string(slot) + (name.empty() ? "" : " (" + name + ")") + " in\r" +
                       store.location() + "\rhas what the game cannot take as a number:\r";
    for (const Unread& value : unread)
        text += value.key + " = " + value.text + '\r';
    text += unread.size() == 1 ? "The game counts it as 0.\r" : "The game counts them as 0.\r";
    tell(messages, text + whereKept(store.keepAside()));
}

} // namespace players
