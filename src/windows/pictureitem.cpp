// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "pictureitem.h"

#include "artrenderer.h"
#include "fieldlayout.h"
#include "gamelook.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QPaintDevice>
#include <QPainter>

namespace windows {

PictureItem::PictureItem(ArtRenderer& art, const QString& objectName, int index, QSizeF size, QGraphicsItem* parent)
    : QGraphicsObject(parent), art(art), arrayIndex(index), size(size), numberFont(gameFont())
{
    numberFont.setPixelSize(qRound(std::min(size.width(), size.height()) * 0.47));
    setObjectName(objectName);
    // A plain picture swallows clicks, so nothing under it takes them.
    setAcceptedMouseButtons(Qt::LeftButton);
}

void PictureItem::setPicture(const QString& name)
{
    if (name == pictureName)
        return;
    pictureName = name;
    captionText = layout::pictureCaption(name);
    drawnSize = {};
    update();
}

void PictureItem::setNumber(int number, QColor color)
{
    if (number == shownNumber && color == shownColor)
        return;
    shownNumber = number;
    shownColor = color;
    numberText.setText(QString::number(number));
    numberText.prepare(QTransform(), numberFont);
    update();
}

void PictureItem::makeButton()
{
    button = true;
    setCursor(Qt::PointingHandCursor);
}

void PictureItem::setLit(bool on)
{
    if (on == lit)
        return;
    lit = on;
    update();
}

QRectF PictureItem::boundingRect() const { return {QPointF(0, 0), size}; }

void PictureItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF target = boundingRect();
    // Held down, a button sinks a pixel and darkens.
    const QRectF place = pressed ? target.translated(1, 1) : target;
    if (!pictureName.isEmpty()) {
        // Rendered at the device size the view shows us at, so scaling stays
        // sharp, and put down on whole device pixels: a plain copy, where a
        // picture drawn through the view's scale is filtered anew at every
        // paint. The size follows from ours and the scale alone, never from
        // where we stand, so a moving picture is rendered once per scale.
        const qreal ratio = painter->device()->devicePixelRatioF();
        const QTransform& world = painter->worldTransform();
        const QPointF corner = world.map(place.topLeft()) * ratio;
        const QSize pixels(qRound(size.width() * world.m11() * ratio), qRound(size.height() * world.m22() * ratio));
        if (pixels != drawnSize) {
            drawn = art.pixmap(pictureName, pixels, captionText);
            drawnSize = pixels;
        }
        painter->save();
        painter->setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter->drawPixmap(QPoint(qRound(corner.x()), qRound(corner.y())), drawn);
        painter->restore();
    }
    if (pressed)
        painter->fillRect(place, QColor(0, 0, 0, 70));
    if (lit) {
        painter->setPen(QPen(yellow, 3));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(target.adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
        painter->setPen(QPen(Qt::white, 1));
        painter->drawRoundedRect(target.adjusted(3.5, 3.5, -3.5, -3.5), 4, 4);
    }
    if (shownNumber > 0) {
        painter->setFont(numberFont);
        painter->setPen(shownColor);
        const QSizeF text = numberText.size();
        painter->drawStaticText(place.center() - QPointF(text.width(), text.height()) / 2, numberText);
    }
}

void PictureItem::setPressed(bool on)
{
    if (on == pressed)
        return;
    pressed = on;
    update();
}

void PictureItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    setPressed(button);
}

void PictureItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    setPressed(button && boundingRect().contains(event->pos()));
}

void PictureItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    setPressed(false);
    if (boundingRect().contains(event->pos()))
        emit clicked(arrayIndex);
}

} // namespace windows
