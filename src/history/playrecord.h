// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/playrecord.h"

#include <cstdint>

namespace history {

inline constexpr int tubeCount = game::fluteCount;
using game::FluteRecord;

// A settled play as the game tells it (game::Keno::settledPlay()), and when
// and where it was kept.
struct PlayRecord : game::PlayRecord {
    std::int64_t id = 0;   // given by the history: the order of settling
    std::int64_t time = 0; // milliseconds since 1970 (UTC) when it was settled
    game::Long credit = 0; // the credit once the win was paid

    bool operator==(const PlayRecord&) const = default;
};

} // namespace history
