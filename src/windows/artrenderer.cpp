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
    QPixmap image(devicePixels);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer(name)->render(&painter);
    painter.end();
    cache.insert(key, new QPixmap(image), std::max<qsizetype>(1, qsizetype(image.width()) * image.height() * 4 / 1024));
    return image;
}

} // namespace windows
