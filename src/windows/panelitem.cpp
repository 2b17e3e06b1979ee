// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "panelitem.h"

#include "gamelook.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace windows {

namespace {
constexpr qreal bevel = 2;
constexpr int smallestPixels = 6;
} // namespace

PanelItem::PanelItem(const QString& objectName, QSizeF size, int fontPoints, QGraphicsItem* parent)
    : QGraphicsObject(parent), size(size), fontPoints(fontPoints), font(gameFont())
{
    setObjectName(objectName);
}

QRectF PanelItem::captionRoom() const { return boundingRect().adjusted(bevel + 1, bevel, -bevel - 1, -bevel); }

void PanelItem::setCaption(const QString& caption, QColor color)
{
    if (caption == text && color == fore)
        return;
    text = caption;
    fore = color;
    // Points are 1/72 inch on the design's 96 dpi layout.
    int pixels = fontPoints * 96 / 72;
    const QRectF room = captionRoom();
    for (;; --pixels) {
        font.setPixelSize(pixels);
        const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
        if (pixels <= smallestPixels || (ink.width() <= room.width() && ink.height() <= room.height()))
            break;
    }
    update();
}

QRectF PanelItem::boundingRect() const { return {QPointF(0, 0), size}; }

void PanelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF r = boundingRect();
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    if (fore.lightness() < 128) {
        face.setColorAt(0, QColor(255, 250, 215));
        face.setColorAt(1, QColor(240, 215, 140));
    } else {
        face.setColorAt(0, QColor(112, 40, 150));
        face.setColorAt(1, QColor(70, 10, 100));
    }
    painter->fillRect(r, face);
    // Light from the top left: bright outer edge above, dark below.
    painter->fillRect(QRectF(r.left(), r.top(), r.width(), bevel), QColor(230, 200, 255));
    painter->fillRect(QRectF(r.left(), r.top(), bevel, r.height()), QColor(230, 200, 255));
    painter->fillRect(QRectF(r.left(), r.bottom() - bevel, r.width(), bevel), QColor(40, 0, 60));
    painter->fillRect(QRectF(r.right() - bevel, r.top(), bevel, r.height()), QColor(40, 0, 60));
    if (text.isEmpty())
        return;
    painter->setFont(font);
    painter->setPen(fore);
    painter->drawText(r, Qt::AlignCenter, text);
}

} // namespace windows
