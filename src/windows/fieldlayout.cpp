// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fieldlayout.h"

#include "game/keno.h"
#include "twips.h"

#include <algorithm>
#include <array>

namespace windows::layout {

namespace {

// The flute panel, and what moves inside it.
constexpr QRectF flutePanel{168, 0, 522, 467};
constexpr qreal flutePanelFrame = 6;
// A ball in a tube, and the miss pictures that take its place.
constexpr QSizeF ballSprite{33, 41};
// Stop lines (twips), for a line of 1 to 4 hits: at the top of the stacked
// ball the line stands on, running from x1 to x2.
struct StopLine {
    int y, x1, x2;
};
constexpr std::array<StopLine, 4> stopLines{{{6240, 0, 7920}, {5640, 0, 7800}, {5040, 240, 8160}, {4450, 0, 7800}}};

// Board numbers fall into an upper and a lower block of forty.
QRectF boardPlace(int n)
{
    const int row = (n - 1) / 10, column = (n - 1) % 10;
    static constexpr std::array<int, 8> rowTop{20, 60, 100, 140, 262, 302, 342, 382};
    return {24.0 + 40 * column, qreal(rowTop[std::size_t(row)]), 40, 40};
}

Item picture(const QString& name, int index, QRectF place, const QString& art, On on = On::field)
{
    Item item;
    item.name = name;
    item.index = index;
    item.place = place;
    item.picture = art;
    item.on = on;
    return item;
}

Item button(const QString& name, int index, QRectF place, const QString& art, Command command,
            const QString& caption = {}, QKeyCombination key = {}, On on = On::field)
{
    Item item = picture(name, index, place, art, on);
    item.kind = Kind::button;
    item.command = command;
    item.caption = caption;
    item.key = key;
    return item;
}

Item panel(const QString& name, QRectF place, int fontPoints)
{
    Item item = picture(name, 0, place, {});
    item.kind = Kind::panel;
    item.fontPoints = fontPoints;
    return item;
}

// Each ends inside the panel's frame rather than running out over the ground.
Item stopLine(int hits, const StopLine& line)
{
    const qreal y = exactPixels(line.y);
    Item item = picture(QStringLiteral("stop%1").arg(hits + 1), 0,
                        {QPointF(std::max(exactPixels(line.x1), flutePanelFrame), y),
                         QPointF(std::min(exactPixels(line.x2), flutePanel.width() - flutePanelFrame), y)},
                        {}, On::flutes);
    item.kind = Kind::stopLine;
    return item;
}

Item hidden(Item item)
{
    item.shown = false;
    return item;
}

} // namespace

std::vector<Item> fieldItems()
{
    std::vector<Item> items;
    const auto add = [&items](Item item) { items.push_back(std::move(item)); };

    // Left: the tube with the selection strip (index 1 lowest), the lucky-balls ladder.
    add(picture("Picture2", 0, {0, 8, 72, 470}, "tube"));
    for (int k = 1; k <= 10; ++k)
        add(hidden(picture("ball", k, {16, 408.0 - 40 * (k - 1), 40, 40}, {})));
    add(picture("Picture4", 0, {80, 0, 92, 52}, "luckyballs"));
    qreal top = 56;
    for (const int number : {2, 3, 4, 5, 6, 1, 7, 8, 9}) {
        add(panel(QStringLiteral("SSPanel%1").arg(number), {71, top, 98, 40}, 18));
        top += 40;
    }

    // Centre: the board, and over it the flute panel.
    add(picture("Picture1", 0, {200, 8, 442, 439}, "board"));
    add(picture("Picture3", 0, {0, 206, 443, 35}, "banner", On::board));
    for (int n = 1; n <= game::boardSize; ++n)
        add(button("a", n, boardPlace(n), "ball1", Command::markSpot, {}, {}, On::board));
    add(hidden(picture("ballplay", 0, flutePanel, "flutes1")));
    for (std::size_t k = 0; k < stopLines.size(); ++k)
        add(hidden(stopLine(int(k) + 1, stopLines[k])));
    add(hidden(picture("nohit", 0, {{168, 16}, ballSprite}, "nohit", On::flutes)));
    add(hidden(picture("nohitwhite", 0, {{320, 16}, ballSprite}, "nohitwhite", On::flutes)));
    add(hidden(picture("nohitblack", 0, {{0, 0}, ballSprite}, "nohitblack", On::flutes)));
    for (int k = 1; k <= game::dropballCount; ++k)
        add(hidden(picture("dropball", k, {{24, -32}, ballSprite}, "ball1", On::flutes)));

    // Right column.
    add(button("coinsin", 0, {693, 6, 100, 70}, "coins", Command::insertCoins, "COINS", Qt::Key_C));
    add(picture("Picture5", 0, {693, 76, 100, 34}, "credit"));
    add(panel("credit", {706, 112, 79, 27}, 14));
    add(picture("Picture6", 0, {706, 160, 80, 30}, "bet"));
    add(panel("betpan", {706, 192, 44, 27}, 14));
    add(picture("Picture7", 0, {706, 228, 80, 34}, "win"));
    add(panel("winnings", {706, 264, 40, 27}, 14));
    add(hidden(picture("extraback", 0, {692, 340, 105, 75}, "extraback")));
    add(hidden(button("extraballs", 0, {695, 343, 100, 70}, "extraballs", Command::collectExtraBalls, "EXTRA BALLS",
                      Qt::Key_X)));
    add(button("AUTOSELECT", 0, {693, 453, 100, 70}, "autoselect", Command::autoSelect, "AUTO SELECT", Qt::Key_A));

    // Bottom row. Keys: the bet's last digit for a bet, with Ctrl for a play of that many flutes.
    add(button("RUBBER", 0, {68, 456, 100, 70}, "erase", Command::erase, "ERASE", Qt::Key_E));
    add(picture("coinsbet", 0, {73, 424, 96, 30}, {}));
    static constexpr std::array<int, 5> betLeft{0, 200, 300, 408, 512};
    for (std::size_t i = 1; i <= 4; ++i) {
        const int bet = game::betOfButton[i];
        add(button("btnBET", int(i), {qreal(betLeft[i]), 468, 96, 30}, QStringLiteral("bet%1").arg(bet),
                   Command::chooseBet, QStringLiteral("BET %1").arg(bet), Qt::Key(Qt::Key_0 + bet % 10)));
    }
    for (const auto& [flutes, left] : {std::pair{1, 200}, {3, 304}, {5, 408}, {10, 512}})
        add(button("PLAY", flutes, {qreal(left), 500, 96, 40}, QStringLiteral("play%1").arg(flutes), Command::play,
                   QStringLiteral("PLAY %1").arg(flutes), Qt::CTRL | Qt::Key(Qt::Key_0 + flutes % 10)));
    add(hidden(picture("goodluck", 0, {296, 484, 200, 30}, "goodluck")));
    return items;
}

} // namespace windows::layout
