// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QCache>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace windows {

// Turns a named picture into a pixmap of the exact device size asked for,
// rendering each (name, caption, size) once and keeping the result. A
// picture with a caption carries only its style: empty text lines
// (class "line1", "line2") whose place, size and colours the caption takes,
// and the room it has ("data-room", else between the picture's sides). The pictures of
// sizes no longer shown (a window dragged through many sizes) give way once
// the kept pictures pass a bound.
class ArtRenderer {
public:
    ArtRenderer();
    ~ArtRenderer();
    ArtRenderer(const ArtRenderer&) = delete;
    ArtRenderer& operator=(const ArtRenderer&) = delete;

    // `name` is a picture of :/art without its suffix, e.g. "ball1". A
    // caption on two lines breaks at its first blank.
    QPixmap pixmap(const QString& name, QSize devicePixels, const QString& caption = {});
    // How much a caption is shrunk to fit its picture: 1 when it is drawn
    // at the size the picture asks for.
    qreal captionScale(const QString& name, const QString& caption);
    // How often a picture was rendered again: at a size it was rendered at
    // before (it gave way), or a pixel off one (a size that rounding made
    // out of where it stood; a view resized by a pixel counts too). The
    // benchmarks check that a drop adds none. A picture shown for the first
    // time at a size (a ball a play happened not to show before) does not
    // count.
    int rendersAgain() const { return againCount; }

private:
    QSvgRenderer* renderer(const QString& name, const QString& caption);
    QHash<QString, std::shared_ptr<QSvgRenderer>> renderers; // by name and caption
    QHash<QString, qreal> scales;
    QHash<QString, QList<QSize>> rendered; // by name and caption
    QCache<QString, QPixmap> cache{64 * 1024}; // cost: kilobytes
    int againCount = 0;
};

} // namespace windows
