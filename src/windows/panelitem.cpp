// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "panelitem.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace windows {

PanelItem::PanelItem(const QString& objectName, QSizeF size, int fontPoints, QGraphicsItem* parent)
    : QGraphicsObject(parent), size(size), fontPoints(fontPoints)
{
    setObjectName(objectName);
}

void PanelItem::setCaption(const QString& caption, QColor color)
{
    if (caption == text && color == fore)
        return;
    text = caption;
    fore = color;
    update();
}

QRectF PanelItem::boundingRect() const { return {QPointF(0, 0), size}; }

void PanelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF r = boundingRect();
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, QColor(112, 40, 150));
    face.setColorAt(1, QColor(70, 10, 100));
    painter->fillRect(r, face);
    // Light from the top left: bright outer edge above, dark below.
    const qreal w = 2;
    painter->fillRect(QRectF(r.left(), r.top(), r.width(), w), QColor(230, 200, 255));
    painter->fillRect(QRectF(r.left(), r.top(), w, r.height()), QColor(230, 200, 255));
    painter->fillRect(QRectF(r.left(), r.bottom() - w, r.width(), w), QColor(40, 0, 60));
    painter->fillRect(QRectF(r.right() - w, r.top(), w, r.height()), QColor(40, 0, 60));
    if (text.isEmpty())
        return;
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setBold(true);
    // Points are 1/72 inch on the design's 96 dpi layout.
    font.setPixelSize(fontPoints * 96 / 72);
    painter->setFont(font);
    painter->setPen(fore);
    painter->drawText(r, Qt::AlignCenter, text);
}

} // namespace windows
