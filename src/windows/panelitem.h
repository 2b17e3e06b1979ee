// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "gamelook.h"

#include <QColor>
#include <QFont>
#include <QGraphicsItem>
#include <QString>

namespace windows {

// A 3-D caption panel: a sunken bevel with a centred caption. A caption too
// wide for the panel is drawn smaller, never cut; a dark caption stands on a
// light face so it can be read.
class PanelItem : public QGraphicsObject {
    Q_OBJECT
public:
    PanelItem(const QString& objectName, QSizeF size, int fontPoints, QGraphicsItem* parent = nullptr);

    const QString& caption() const { return text; }
    QColor foreColor() const { return fore; }
    void setCaption(const QString& caption, QColor color);
    // The room a caption has inside the bevel.
    QRectF captionRoom() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QSizeF size;
    int fontPoints;
    QFont font; // the largest that fits the caption
    QString text;
    QColor fore = yellow;
};

} // namespace windows
