// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "artrenderer.h"

#include <QPainter>
#include <algorithm>
#include <QSvgRenderer>

namespace windows {

ArtRenderer::ArtRenderer() = default;
ArtRenderer::~ArtRenderer() = default;

QSvgRenderer* ArtRenderer::renderer(const QString& name)
{
    auto& slot = renderers[name];
    if (!slot) {
        slot = std::make_shared<QSvgRenderer>(QStringLiteral(":/art/%1.svg").arg(name));
        // A square picture is a ball: round in any box, never an egg.
        if (slot->defaultSize().width() == slot->defaultSize().height())
            slot->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return slot.get();
}

QPixmap ArtRenderer::pixmap(const QString& name, QSize devicePixels)
{
    if (devicePixels.isEmpty())
        return {};
    const QString key = name + u'@' + QString::number(devicePixels.width()) + u'x' +
                        QString::number(devicePixels.height());
    if (const QPixmap* found = cache.object(key))
        return *found;
    againCount += renderers.contains(name);
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer(name)->render(&painter);
    painter.end();
    // A picture without a see-through pixel becomes an opaque one, which is
    // copied onto the screen rather than blended.
    const QPixmap picture = QPixmap::fromImage(std::move(image));
    cache.insert(key, new QPixmap(picture), std::max<qsizetype>(1, qsizetype(picture.width()) * picture.height() * 4 / 1024));
    return picture;
}

} // namespace windows
