// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "pictureitem.h"

#include "artrenderer.h"

#include <QGraphicsSceneMouseEvent>
#include <QPaintDevice>
#include <QPainter>

namespace windows {

PictureItem::PictureItem(ArtRenderer& art, const QString& objectName, int index, QSizeF size, QGraphicsItem* parent)
    : QGraphicsObject(parent), art(art), arrayIndex(index), size(size), numberFont(QStringLiteral("Comic Sans MS"))
{
    numberFont.setBold(true);
    numberFont.setPixelSize(qRound(size.height() * 0.47));
    setObjectName(objectName);
    setAcceptedMouseButtons(Qt::LeftButton);
}

void PictureItem::setPicture(const QString& name)
{
    if (name == pictureName)
        return;
    pictureName = name;
    update();
}

void PictureItem::setNumber(int number, QColor color)
{
    if (number == shownNumber && color == shownColor)
        return;
    shownNumber = number;
    shownColor = color;
    update();
}

QRectF PictureItem::boundingRect() const { return {QPointF(0, 0), size}; }

void PictureItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF target = boundingRect();
    if (!pictureName.isEmpty()) {
        // Render at the device size the view shows us at, so scaling stays sharp.
        const QRectF device = painter->transform().mapRect(target);
        const qreal ratio = painter->device()->devicePixelRatioF();
        const QSize pixels = (device.size() * ratio).toSize();
        QPixmap image = art.pixmap(pictureName, pixels);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(target, image, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    if (shownNumber > 0) {
        painter->setFont(numberFont);
        painter->setPen(shownColor);
        painter->drawText(target, Qt::AlignCenter, QString::number(shownNumber));
    }
}

void PictureItem::mousePressEvent(QGraphicsSceneMouseEvent* event) { event->accept(); }

void PictureItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (boundingRect().contains(event->pos()))
        emit clicked(arrayIndex);
}

} // namespace windows
