// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QCache>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace windows {

// Turns a named picture into a pixmap of the exact device size asked for,
// rendering each (name, size) once and keeping the result. The pictures of
// sizes no longer shown (a window dragged through many sizes) give way once
// the kept pictures pass a bound.
class ArtRenderer {
public:
    ArtRenderer();
    ~ArtRenderer();
    ArtRenderer(const ArtRenderer&) = delete;
    ArtRenderer& operator=(const ArtRenderer&) = delete;

    // `name` is a picture of :/art without its suffix, e.g. "ball1".
    QPixmap pixmap(const QString& name, QSize devicePixels);
    // How often a picture was rendered again, at another size or after it
    // gave way: the benchmarks check that a drop adds none. A picture shown
    // for the first time (a ball a play happened not to show before) does
    // not count.
    int rendersAgain() const { return againCount; }

private:
    QSvgRenderer* renderer(const QString& name);
    QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    QCache<QString, QPixmap> cache{64 * 1024}; // cost: kilobytes
    int againCount = 0;
};

} // namespace windows
