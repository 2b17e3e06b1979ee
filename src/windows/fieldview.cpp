// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fieldview.h"

#include "gamelook.h"

#include <QEvent>
#include <algorithm>

namespace windows {

FieldView::FieldView(QGraphicsScene* scene, QWidget* parent) : QGraphicsView(scene, parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setBackgroundBrush(purple);
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    // The background brush covers every pixel a frame repaints, so nothing
    // under the view is painted first; every item sets the pen, brush and
    // font it paints with.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setOptimizationFlag(QGraphicsView::DontSavePainterState);
}

QSize FieldView::sizeHint() const { return sceneRect().size().toSize(); }

void FieldView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    // Our own fit: fitInView keeps a margin, which would blur the default size.
    const QSizeF field = sceneRect().size();
    const qreal scale = std::min(viewport()->width() / field.width(), viewport()->height() / field.height());
    setTransform(QTransform::fromScale(scale, scale));
}

void FieldView::changeEvent(QEvent* event)
{
    QGraphicsView::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        setForegroundBrush(isEnabled() ? QBrush(Qt::NoBrush) : QBrush(QColor(0, 0, 0, 110)));
}

} // namespace windows
