// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "fieldlayout.h"
#include "game/flutes.h"

#include <QGraphicsScene>
#include <array>
#include <map>

namespace game {
struct State;
}

class QGraphicsLineItem;
class QGraphicsRectItem;

namespace windows {

class ArtRenderer;
class PanelItem;
class PictureItem;

// The play field: every picture, panel, button and line of the layout at its
// place, made once. A click on a button, or its key, is a command.
class FieldScene : public QGraphicsScene {
    Q_OBJECT
public:
    // The buttons' keys act on `window`.
    FieldScene(ArtRenderer& art, QWidget* window);

    // The item of control `name` (array element `index`).
    QGraphicsItem* item(const QString& name, int index = 0) const;

    // The items the game's state reaches, indexed like the controls;
    // indices an array does not use stay empty.
    struct Controls {
        std::array<PictureItem*, 81> a{};
        std::array<PictureItem*, 11> ball{};
        std::array<PictureItem*, 5> btnBET{};
        std::array<PictureItem*, 11> PLAY{};
        std::array<PanelItem*, 10> SSPanel{};
        std::array<QGraphicsLineItem*, 6> stop{};
        std::array<PictureItem*, game::dropballCount + 1> dropball{};
        PictureItem *ballplay, *nohit, *nohitwhite, *nohitblack, *extraballs, *extraback, *goodluck, *AUTOSELECT,
            *RUBBER, *coinsbet;
        PanelItem *credit, *betpan, *winnings, *note;
    };
    const Controls& controls() const { return shown; }

    // The game the field shows, for what a screen reader asks of it; none
    // for a field that shows a kept play.
    void showsGame(const game::State& state) { shownGame = &state; }
    const game::State* gameState() const { return shownGame; }

    // The board number the keys mark; its frame shows once a key has moved it.
    int focusedSpot() const { return focused; }
    bool focusShown() const;
    void moveFocus(int right, int down);

signals:
    void commanded(layout::Command command, int index);

private:
    // One item of the layout, at its place on the field or in its parent.
    QGraphicsItem* make(const layout::Item& row);
    // A picture that takes clicks, and the row's key for the same click.
    void button(PictureItem* item, const layout::Item& row, QWidget* window);

    ArtRenderer& art;
    QGraphicsRectItem* focusFrame;
    int focused = 1;
    std::map<std::pair<QString, int>, QGraphicsItem*> byName;
    Controls shown;
    const game::State* shownGame = nullptr;
};

} // namespace windows
