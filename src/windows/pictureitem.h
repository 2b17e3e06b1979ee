// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsObject>
#include <QPixmap>
#include <QStaticText>
#include <QString>

namespace windows {

class ArtRenderer;

// A picture box of the play field: a named picture at a fixed size, and
// optionally a number painted on it. A button among them shows a pointing
// hand, looks pressed while held and reports a click with its index.
class PictureItem : public QGraphicsObject {
    Q_OBJECT
public:
    PictureItem(ArtRenderer& art, const QString& objectName, int index, QSizeF size, QGraphicsItem* parent = nullptr);

    int index() const { return arrayIndex; }
    const QString& picture() const { return pictureName; }
    // The words drawn on the picture, in the player's language.
    const QString& caption() const { return captionText; }
    int number() const { return shownNumber; }
    QColor numberColor() const { return shownColor; }
    bool isLit() const { return lit; }

    void setPicture(const QString& name);
    // 0 shows no number.
    void setNumber(int number, QColor color = Qt::black);
    void makeButton();
    // A frame of light: the choice in force.
    void setLit(bool on);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void setPressed(bool on);

    ArtRenderer& art;
    int arrayIndex;
    QSizeF size;
    QFont numberFont; // fixed by the size; made once, not at every frame
    QString pictureName;
    QString captionText;
    QPixmap drawn; // the picture as last painted, at drawnSize device pixels
    QSize drawnSize;
    int shownNumber = 0;
    QStaticText numberText; // laid out once per number, not at every paint
    QColor shownColor = Qt::black;
    bool button = false;
    bool pressed = false;
    bool lit = false;
};

} // namespace windows
