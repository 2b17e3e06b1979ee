// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fieldlayout.h"

#include "game/flutes.h"
#include "game/keno.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <array>

namespace windows::layout {

namespace {

struct Captions {
    Q_DECLARE_TR_FUNCTIONS(FieldLayout)
};

// The flute panel, and its frame, which the stop lines stay inside.
constexpr QRectF flutePanel{2520, 0, 7830, 7005};
constexpr qreal flutePanelFrame = 90;
// A ball in a tube, and the miss pictures that take its place.
constexpr QSizeF ballSprite{495, 615};
// Where the stop line of a line of 1 to 4 hits begins, at the left.
constexpr std::array<int, 5> stopLineLeft{0, 0, 0, 240, 0};

// Board numbers fall into an upper and a lower block of forty.
QRectF boardPlace(int n)
{
    const int row = (n - 1) / 10, column = (n - 1) % 10;
    static constexpr std::array<int, 8> rowTop{300, 900, 1500, 2100, 3930, 4530, 5130, 5730};
    return {360.0 + 600 * column, qreal(rowTop[std::size_t(row)]), 600, 600};
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
            QKeyCombination key = {}, On on = On::field)
{
    Item item = picture(name, index, place, art, on);
    item.kind = Kind::button;
    item.command = command;
    item.caption = pictureCaption(art);
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

// Along the top of the ball the line stands on, ending inside the panel's
// frame rather than running out over the ground.
Item stopLine(int hits)
{
    Item item = picture(QStringLiteral("stop%1").arg(hits + 1), 0, {}, {}, On::flutes);
    const qreal left = std::max<qreal>(stopLineLeft[std::size_t(hits)], flutePanelFrame);
    item.place = {left, qreal(game::restTop(hits)), flutePanel.width() - flutePanelFrame - left, 0};
    item.kind = Kind::stopLine;
    return item;
}

Item hidden(Item item)
{
    item.shown = false;
    return item;
}

} // namespace

QString pictureCaption(const QString& picture)
{
    static const QRegularExpression numbered(QStringLiteral("^(bet|play)([0-9]+)$"));
    if (const QRegularExpressionMatch m = numbered.match(picture); m.hasMatch())
        return (m.captured(1) == u"bet" ? Captions::tr("BET %1") : Captions::tr("PLAY %1")).arg(m.captured(2));
    static const std::pair<const char*, const char*> named[] = {
        {"coins", QT_TRANSLATE_NOOP("FieldLayout", "COINS")},
        {"erase", QT_TRANSLATE_NOOP("FieldLayout", "ERASE")},
        //: Drawn on two lines, broken at the first blank.
        {"autoselect", QT_TRANSLATE_NOOP("FieldLayout", "AUTO SELECT")},
        //: Drawn on two lines, broken at the first blank.
        {"extraballs", QT_TRANSLATE_NOOP("FieldLayout", "EXTRA BALLS")},
        {"extraback", QT_TRANSLATE_NOOP("FieldLayout", "EXTRA BALLS")},
        {"credit", QT_TRANSLATE_NOOP("FieldLayout", "CREDIT")},
        {"bet", QT_TRANSLATE_NOOP("FieldLayout", "BET")},
        {"win", QT_TRANSLATE_NOOP("FieldLayout", "WIN")},
        //: Drawn on two lines, broken at the first blank.
        {"luckyballs", QT_TRANSLATE_NOOP("FieldLayout", "LUCKY BALLS")},
        {"goodluck", QT_TRANSLATE_NOOP("FieldLayout", "GOOD LUCK")},
        {"banner", QT_TRANSLATE_NOOP("FieldLayout", "SELECT 3 TO 10 SPOTS")},
        {"nohit", QT_TRANSLATE_NOOP("FieldLayout", "MISS")},
        {"fastmoney", QT_TRANSLATE_NOOP("FieldLayout", "FAST MONEY")}};
    for (const auto& [art, words] : named)
        if (picture == QLatin1StringView(art))
            return Captions::tr(words);
    return {};
}

int panelFor(int hits)
{
    static constexpr std::array<int, 11> panelOfHits{0, 0, 9, 8, 7, 1, 6, 5, 4, 3, 2};
    return hits >= 2 && hits <= 10 ? panelOfHits[std::size_t(hits)] : 0;
}

std::vector<Item> fieldItems()
{
    std::vector<Item> items;
    const auto add = [&items](Item item) { items.push_back(std::move(item)); };

    // Left: the tube with the selection strip (index 1 lowest), the lucky-balls ladder.
    add(picture("Picture2", 0, {0, 120, 1080, 7050}, "tube"));
    for (int k = 1; k <= 10; ++k)
        add(hidden(picture("ball", k, {240, 6120.0 - 600 * (k - 1), 600, 600}, {})));
    add(picture("Picture4", 0, {1200, 0, 1380, 780}, "luckyballs"));
    // The panel of each number of hits stands level with that many balls stacked in a flute.
    for (int hits = 10; hits >= 2; --hits)
        add(panel(QStringLiteral("SSPanel%1").arg(panelFor(hits)), {1065, qreal(game::restTop(hits)), 1470, 600}, 18));

    // Centre: the board, and over it the flute panel.
    add(picture("Picture1", 0, {3000, 120, 6630, 6585}, "board"));
    add(picture("Picture3", 0, {0, 3090, 6645, 525}, "banner", On::board));
    for (int n = 1; n <= game::boardSize; ++n)
        add(button("a", n, boardPlace(n), "ball1", Command::markSpot, {}, On::board));
    // A click on the flutes finishes the drop under way.
    add(hidden(button("ballplay", 0, flutePanel, "flutes1", Command::finishDrop)));
    for (int hits = 1; hits <= 4; ++hits)
        add(hidden(stopLine(hits)));
    add(hidden(picture("nohit", 0, {{2520, 240}, ballSprite}, "nohit", On::flutes)));
    add(hidden(picture("nohitwhite", 0, {{4800, 240}, ballSprite}, "nohitwhite", On::flutes)));
    add(hidden(picture("nohitblack", 0, {{0, 0}, ballSprite}, "nohitblack", On::flutes)));
    for (int k = 1; k <= game::dropballCount; ++k)
        add(hidden(picture("dropball", k, {{360, -480}, ballSprite}, "ball1", On::flutes)));

    // Right column.
    add(button("coinsin", 0, {10395, 90, 1500, 1050}, "coins", Command::insertCoins, Qt::Key_C));
    add(picture("Picture5", 0, {10395, 1140, 1500, 510}, "credit"));
    add(panel("credit", {10590, 1680, 1185, 405}, 14));
    add(picture("Picture6", 0, {10590, 2400, 1200, 450}, "bet"));
    add(panel("betpan", {10590, 2880, 660, 405}, 14));
    add(picture("Picture7", 0, {10590, 3420, 1200, 510}, "win"));
    add(panel("winnings", {10590, 3960, 600, 405}, 14));
    add(hidden(picture("extraback", 0, {10380, 5100, 1575, 1125}, "extraback")));
    add(hidden(button("extraballs", 0, {10425, 5145, 1500, 1050}, "extraballs", Command::collectExtraBalls, Qt::Key_X)));
    add(button("AUTOSELECT", 0, {10395, 6795, 1500, 1050}, "autoselect", Command::autoSelect, Qt::Key_A));

    // Bottom row. Keys: the bet's last digit for a bet, with Ctrl for a play of that many flutes.
    add(button("RUBBER", 0, {1020, 6840, 1500, 1050}, "erase", Command::erase, Qt::Key_E));
    add(picture("coinsbet", 0, {1095, 6360, 1440, 450}, {}));
    static constexpr std::array<int, 5> betLeft{0, 3000, 4500, 6120, 7680};
    for (std::size_t i = 1; i <= 4; ++i) {
        const int bet = game::betOfButton[i];
        add(button("btnBET", int(i), {qreal(betLeft[i]), 7020, 1440, 450}, QStringLiteral("bet%1").arg(bet),
                   Command::chooseBet, Qt::Key(Qt::Key_0 + bet % 10)));
    }
    for (const auto& [flutes, left] : {std::pair{1, 3000}, {3, 4560}, {5, 6120}, {10, 7680}})
        add(button("PLAY", flutes, {qreal(left), 7500, 1440, 600}, QStringLiteral("play%1").arg(flutes),
                   Command::play, Qt::CTRL | Qt::Key(Qt::Key_0 + flutes % 10)));
    add(hidden(picture("goodluck", 0, {4440, 7260, 3000, 450}, "goodluck")));
    // A short word to the player (a refusal's reason, the speed), over the middle of the board or flutes.
    add(hidden(panel("note", {3000, 3150, 6630, 600}, 16)));
    return items;
}

} // namespace windows::layout
