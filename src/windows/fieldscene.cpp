// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fieldscene.h"

#include "fieldaccessible.h"
#include "gamelook.h"
#include "panelitem.h"
#include "pictureitem.h"
#include "twips.h"

#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QPen>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace windows {

FieldScene::FieldScene(ArtRenderer& art, QWidget* window) : QGraphicsScene(window), art(art)
{
    setSceneRect(fromTwips(QRectF(QPointF(0, 0), layout::fieldSize)));
    setItemIndexMethod(QGraphicsScene::NoIndex);
    for (const layout::Item& row : layout::fieldItems()) {
        QGraphicsItem* made = make(row);
        if (row.kind == layout::Kind::button)
            button(static_cast<PictureItem*>(made), row, window);
    }

    const auto fill = [this](auto& array, const char* name) {
        for (std::size_t i = 1; i < array.size(); ++i)
            array[i] = static_cast<std::remove_reference_t<decltype(array[i])>>(item(QString::fromLatin1(name), int(i)));
    };
    fill(shown.a, "a");
    fill(shown.ball, "ball");
    fill(shown.btnBET, "btnBET");
    fill(shown.PLAY, "PLAY");
    fill(shown.dropball, "dropball");
    for (std::size_t k = 1; k < shown.SSPanel.size(); ++k)
        shown.SSPanel[k] = static_cast<PanelItem*>(item(QStringLiteral("SSPanel%1").arg(k)));
    for (std::size_t k = 2; k < shown.stop.size(); ++k)
        shown.stop[k] = static_cast<QGraphicsLineItem*>(item(QStringLiteral("stop%1").arg(k)));
    for (const auto& [member, name] :
         {std::pair{&shown.ballplay, "ballplay"}, {&shown.nohit, "nohit"}, {&shown.nohitwhite, "nohitwhite"},
          {&shown.nohitblack, "nohitblack"}, {&shown.extraballs, "extraballs"}, {&shown.extraback, "extraback"},
          {&shown.goodluck, "goodluck"}, {&shown.AUTOSELECT, "AUTOSELECT"}, {&shown.RUBBER, "RUBBER"},
          {&shown.coinsbet, "coinsbet"}})
        *member = static_cast<PictureItem*>(item(QString::fromLatin1(name)));
    for (const auto& [member, name] :
         {std::pair{&shown.credit, "credit"}, {&shown.betpan, "betpan"}, {&shown.winnings, "winnings"},
         {&shown.note, "note"}})
        *member = static_cast<PanelItem*>(item(QString::fromLatin1(name)));
    // On the board, so the flutes cover it with the numbers.
    focusFrame = new QGraphicsRectItem(item(QStringLiteral("Picture1")));
    focusFrame->setPen(QPen(yellow, 3, Qt::DashLine));
    focusFrame->hide();
}

void FieldScene::moveFocus(int right, int down)
{
    const int row = std::clamp((focused - 1) / 10 + down, 0, 7), column = std::clamp((focused - 1) % 10 + right, 0, 9);
    focused = 1 + 10 * row + column;
    const PictureItem* spot = shown.a[std::size_t(focused)];
    focusFrame->setRect(spot->mapRectToParent(spot->boundingRect()).adjusted(2, 2, -2, -2));
    focusFrame->show();
    fieldaccess::follow(*this);
}

bool FieldScene::focusShown() const { return focusFrame->isVisible(); }

QGraphicsItem* FieldScene::item(const QString& name, int index) const
{
    const auto found = byName.find({name, index});
    return found == byName.end() ? nullptr : found->second;
}

QGraphicsItem* FieldScene::make(const layout::Item& row)
{
    const QRectF place = fromTwips(row.place);
    QGraphicsItem* on = row.on == layout::On::board    ? item(QStringLiteral("Picture1"))
                        : row.on == layout::On::flutes ? item(QStringLiteral("ballplay"))
                                                       : nullptr;
    QGraphicsItem* made = nullptr;
    switch (row.kind) {
    case layout::Kind::picture:
    case layout::Kind::button: {
        auto* picture = new PictureItem(art, row.name, row.index, place.size(), on);
        picture->setPicture(row.picture);
        made = picture;
        break;
    }
    case layout::Kind::panel:
        made = new PanelItem(row.name, place.size(), row.fontPoints, on);
        break;
    case layout::Kind::stopLine: {
        auto* line = new QGraphicsLineItem(QLineF(place.topLeft(), place.topRight()), on);
        line->setPen(QPen(yellow, 2));
        made = line;
        break;
    }
    }
    if (row.kind != layout::Kind::stopLine)
        made->setPos(place.topLeft());
    made->setVisible(row.shown);
    if (!on)
        addItem(made);
    byName[{row.name, row.index}] = made;
    return made;
}

void FieldScene::button(PictureItem* item, const layout::Item& row, QWidget* window)
{
    item->makeButton();
    const auto give = [this, command = row.command](int index) { emit commanded(command, index); };
    connect(item, &PictureItem::clicked, this, give);
    if (row.caption.isEmpty())
        return;
    const QKeySequence key(row.key);
    item->setToolTip(tr("%1   (key %2)").arg(row.caption, key.toString(QKeySequence::NativeText)));
    // Also while the button is hidden: the game then says why it cannot be done.
    auto* shortcut = new QShortcut(key, window);
    connect(shortcut, &QShortcut::activated, this, [give, index = row.index] { give(index); });
}

} // namespace windows
