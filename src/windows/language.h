// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QString>

namespace windows {

// Makes the running application speak `code` (de, pt_BR, fr_FR...), or the
// desktop's language when `code` is empty: the game's own texts and Qt's
// (the buttons of message boxes). A language without a translation leaves
// the game in English. Needs an application object.
void useLanguage(const QString& code);

} // namespace windows
