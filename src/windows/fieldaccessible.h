// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

class QString;

namespace windows {

class FieldScene;
class PanelItem;

// The play field as a screen reader meets it: the board's balls as check
// boxes, the buttons, the panels as labels whose names carry their values,
// the flutes as a list, and a notice that says what the field says. Built
// only when a reader asks, and silent while none listens.
namespace fieldaccess {

// Lets readers into every field that shows a game (FieldScene::showsGame).
void install();
// Tells a listening reader the spot under the keyboard frame and which
// spots were marked or unmarked since it was last told.
void follow(const FieldScene& field);
// Says `text` to a listening reader, once.
void announce(const FieldScene& field, const QString& text);
// Says what `panel` shows, with its name.
void announce(const FieldScene& field, const PanelItem* panel);

} // namespace fieldaccess

} // namespace windows
