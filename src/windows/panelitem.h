// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QString>

namespace windows {

// A 3-D caption panel: a sunken bevel with a centred caption.
class PanelItem : public QGraphicsObject {
    Q_OBJECT
public:
    PanelItem(const QString& objectName, QSizeF size, int fontPoints, QGraphicsItem* parent = nullptr);

    const QString& caption() const { return text; }
    QColor foreColor() const { return fore; }
    void setCaption(const QString& caption, QColor color);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QSizeF size;
    int fontPoints;
    QString text;
    QColor fore = Qt::yellow;
};

} // namespace windows
