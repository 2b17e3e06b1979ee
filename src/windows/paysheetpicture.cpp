// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "paysheetpicture.h"

#include "game/paytable.h"
#include "gamelook.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace windows::paysheet {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(PaySheet)
};

constexpr int tableLeft = 96, tableTop = 73, cellWidth = 60, cellHeight = 24;
constexpr int minHits = 2, maxHits = 10;
constexpr QColor ink(0, 0, 200);

QFont lettering(int pixels, bool bold)
{
    QFont font = gameFont(bold);
    font.setPixelSize(pixels);
    return font;
}

void drawSky(QPainter& p)
{
    const QRect all(QPoint(0, 0), pictureSize);
    QLinearGradient sky(0, 0, 0, pictureSize.height());
    sky.setColorAt(0, QColor(150, 200, 245));
    sky.setColorAt(1, QColor(215, 235, 255));
    p.fillRect(all, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    // A few clouds, each a cluster of puffs.
    static constexpr int clouds[][3] = {{60, 30, 16}, {520, 40, 18}, {40, 330, 14}, {560, 320, 16}, {300, 385, 12}};
    for (const auto& [x, y, r] : clouds)
        for (int k = 0; k < 4; ++k)
            p.drawEllipse(QPoint(x + (k - 1) * r, y + (k % 2 ? -r / 2 : 0)), r + (k % 2) * 4, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(all.adjusted(0, 0, -1, -1));
}
} // namespace

bool winsExtraBallsFirst(int spots, int hits)
{
    return game::paytable::extraBallZone(spots, hits) && !game::paytable::extraBallZone(spots, hits - 1);
}

QRect cell(int spots, int hits)
{
    return {tableLeft + (spots - game::paytable::minSpots) * cellWidth, tableTop + (hits - minHits) * cellHeight,
            cellWidth, cellHeight};
}

QImage picture(qreal ratio)
{
    QImage image(pictureSize * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawSky(p);

    const int columns = game::paytable::maxSpots - game::paytable::minSpots + 1;
    const QRect table(tableLeft, tableTop, columns * cellWidth, (maxHits - minHits + 1) * cellHeight);
    p.setPen(ink);
    p.setFont(lettering(16, true));
    p.drawText(QRect(table.left(), 8, table.width(), 24), Qt::AlignCenter, Words::tr("spots marked"));
    p.drawText(QRect(8, tableTop - 24, tableLeft - 12, 22), Qt::AlignRight | Qt::AlignVCenter, Words::tr("hits"));
    for (int spots = game::paytable::minSpots; spots <= game::paytable::maxSpots; ++spots) {
        const QRect c = cell(spots, minHits);
        p.drawText(QRect(c.left(), tableTop - 26, cellWidth, 24), Qt::AlignCenter, QString::number(spots));
    }
    for (int hits = minHits; hits <= maxHits; ++hits)
        p.drawText(QRect(40, cell(3, hits).top(), tableLeft - 48, cellHeight), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(hits));

    p.setFont(lettering(14, true));
    for (int spots = game::paytable::minSpots; spots <= game::paytable::maxSpots; ++spots)
        for (int hits = minHits; hits <= maxHits; ++hits) {
            const QRect c = cell(spots, hits);
            const game::Long prize = game::paytable::prize(spots, hits);
            p.fillRect(c, prize > 0 ? yellow : QColor(0, 0, 255));
            if (prize > 0) {
                p.setPen(winsExtraBallsFirst(spots, hits) ? QColor(255, 0, 0) : QColor(Qt::black));
                p.drawText(c, Qt::AlignCenter, QString::number(prize));
            }
        }
    // One-pixel black grid lines on the cell edges.
    p.setPen(QPen(Qt::black, 1));
    for (int x = table.left(); x <= table.left() + table.width(); x += cellWidth)
        p.drawLine(x, table.top(), x, table.top() + table.height());
    for (int y = table.top(); y <= table.top() + table.height(); y += cellHeight)
        p.drawLine(table.left(), y, table.left() + table.width(), y);

    p.setPen(ink);
    p.setFont(lettering(13, true));
    p.drawText(QRect(0, 312, pictureSize.width(), 22), Qt::AlignCenter,
               Words::tr("The numbers marked in RED signify the hits needed to win the 3 extra balls."));
    p.drawText(QRect(0, 340, pictureSize.width(), 22), Qt::AlignCenter,
               Words::tr("Balls marked with a W are wild balls and pay double when used."));
    return image;
}

} // namespace windows::paysheet
