// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "artrenderer.h"

#include "gamelook.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>

namespace windows {

namespace {
// A caption keeps this far from the picture's sides, in the picture's units:
// inside the frame every button and title has.
constexpr qreal captionInset = 6;
// Measured large, so the widths scale to any font size without rounding.
constexpr int measuringPixels = 400;

qreal attribute(const QString& element, QLatin1StringView name)
{
    const QRegularExpression re(QStringLiteral(R"re(\b%1="([-0-9.]+)")re").arg(name));
    return re.match(element).captured(1).toDouble();
}

QString withAttribute(QString element, QLatin1StringView name, qreal value)
{
    const QRegularExpression re(QStringLiteral(R"re(\b%1="[-0-9.]+")re").arg(name));
    return element.replace(re, QStringLiteral(R"re(%1="%2")re").arg(name).arg(value));
}

// The picture's source with its caption lines filled in, each shrunk (about
// its middle) until it fits between the picture's sides; `scale` tells the
// smallest shrink.
QByteArray captioned(const QString& svg, const QString& caption, qreal& scale)
{
    scale = 1;
    if (caption.isEmpty())
        return svg.toUtf8();
    const qsizetype blank = caption.indexOf(u' ');
    const bool twoLines = svg.contains(QLatin1StringView(R"(class="line2")"));
    const QString lines[] = {twoLines && blank > 0 ? caption.left(blank) : caption,
                             twoLines && blank > 0 ? caption.mid(blank + 1) : QString()};
    const QRegularExpression box(QStringLiteral(R"re(viewBox="[-0-9.]+ [-0-9.]+ ([0-9.]+))re"));
    const qreal width = box.match(svg).captured(1).toDouble();
    QFont font = gameFont();
    font.setPixelSize(measuringPixels);
    const QFontMetricsF metrics(font);

    QString out;
    qsizetype done = 0;
    static const QRegularExpression line(QStringLiteral(R"re((<text [^>]*class="line([12])"[^>]*>)</text>)re"));
    for (auto m = line.globalMatch(svg); m.hasNext();) {
        const QRegularExpressionMatch found = m.next();
        QString element = found.captured(1);
        const QString& text = lines[found.captured(2).toInt() - 1];
        const qreal size = attribute(element, QLatin1StringView("font-size"));
        const qreal stroke = attribute(element, QLatin1StringView("stroke-width"));
        const qreal x = attribute(element, QLatin1StringView("x"));
        // A picture with ornaments beside its words says how wide they may be.
        const qreal given = attribute(element, QLatin1StringView("data-room"));
        const qreal room = given > 0 ? given : 2 * (std::min(x, width - x) - captionInset);
        const qreal wide = metrics.horizontalAdvance(text) * size / measuringPixels + stroke;
        const qreal shrink = wide > room ? room / wide : 1;
        if (shrink < 1) {
            // Smaller letters stand where the large ones stood: their middle
            // stays at the middle of the capitals.
            const qreal y = attribute(element, QLatin1StringView("y"));
            const qreal capital = metrics.capHeight() * size / measuringPixels;
            element = withAttribute(element, QLatin1StringView("font-size"), size * shrink);
            element = withAttribute(element, QLatin1StringView("y"), y - capital * (1 - shrink) / 2);
            if (stroke > 0)
                element = withAttribute(element, QLatin1StringView("stroke-width"), stroke * shrink);
        }
        scale = std::min(scale, shrink);
        out += svg.mid(done, found.capturedStart() - done) + element + text.toHtmlEscaped() + QLatin1StringView("</text>");
        done = found.capturedEnd();
    }
    return (out + svg.mid(done)).toUtf8();
}
} // namespace

ArtRenderer::ArtRenderer() = default;
ArtRenderer::~ArtRenderer() = default;

QSvgRenderer* ArtRenderer::renderer(const QString& name, const QString& caption)
{
    const QString key = name + u'\n' + caption;
    auto& slot = renderers[key];
    if (!slot) {
        QFile file(QStringLiteral(":/art/%1.svg").arg(name));
        file.open(QIODevice::ReadOnly);
        qreal scale = 1;
        slot = std::make_shared<QSvgRenderer>(captioned(QString::fromUtf8(file.readAll()), caption, scale));
        scales[key] = scale;
        // A square picture is a ball: round in any box, never an egg.
        if (slot->defaultSize().width() == slot->defaultSize().height())
            slot->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return slot.get();
}

qreal ArtRenderer::captionScale(const QString& name, const QString& caption)
{
    renderer(name, caption);
    return scales.value(name + u'\n' + caption);
}

QPixmap ArtRenderer::pixmap(const QString& name, QSize devicePixels, const QString& caption)
{
    if (devicePixels.isEmpty())
        return {};
    const QString key = name + u'@' + QString::number(devicePixels.width()) + u'x' +
                        QString::number(devicePixels.height()) + u'\n' + caption;
    if (const QPixmap* found = cache.object(key))
        return *found;
    // The same picture again at its size, or at one that only rounding sets apart.
    QList<QSize>& sizes = rendered[name + u'\n' + caption];
    againCount += std::any_of(sizes.cbegin(), sizes.cend(), [devicePixels](QSize before) {
        return std::abs(before.width() - devicePixels.width()) <= 1 && std::abs(before.height() - devicePixels.height()) <= 1;
    });
    sizes.append(devicePixels);
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer(name, caption)->render(&painter);
    painter.end();
    // A picture without a see-through pixel becomes an opaque one, which is
    // copied onto the screen rather than blended.
    const QPixmap picture = QPixmap::fromImage(std::move(image));
    cache.insert(key, new QPixmap(picture), std::max<qsizetype>(1, qsizetype(picture.width()) * picture.height() * 4 / 1024));
    return picture;
}

} // namespace windows
