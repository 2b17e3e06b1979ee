// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QKeyCombination>
#include <QRectF>
#include <QString>
#include <vector>

namespace windows::layout {

enum class Kind {
    picture,
    button,  // a picture that takes clicks, and a key for the same click
    panel,   // a 3-D caption panel
    stopLine // a line across the flutes
};

// What an item lies on: its place is measured from there.
enum class On { field, board, flutes };

// The game command a button gives, with the button's index.
enum class Command { none, markSpot, insertCoins, collectExtraBalls, autoSelect, erase, chooseBet, play, finishDrop };

struct Item {
    Kind kind = Kind::picture;
    QString name;
    int index = 0;
    QRectF place; // twips; a stop line has no height
    QString picture;
    On on = On::field;
    bool shown = true;
    Command command = Command::none;
    QString caption; // a button's name in its tool tip: its picture's caption
    QKeyCombination key;
    int fontPoints = 0; // a panel's
};

// The play field, in twips.
inline constexpr QSizeF fieldSize{12270, 8460};

// Every item of the play field, in the order they stack: later ones lie
// over earlier ones, and over what they lie on.
std::vector<Item> fieldItems();

// The words drawn on a picture ("COINS" on "coins", "BET 5" on "bet5"), in
// the player's language; empty for a picture without words.
QString pictureCaption(const QString& picture);

// The payout panel SSPanel1..9 that shows the prize of 2..10 hits; 0 for others.
int panelFor(int hits);

} // namespace windows::layout
