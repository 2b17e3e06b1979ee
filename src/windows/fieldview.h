// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QGraphicsView>

namespace windows {

// Shows the play field scaled to the window, keeping its aspect ratio.
class FieldView : public QGraphicsView {
    Q_OBJECT
public:
    explicit FieldView(QGraphicsScene* scene, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Held by a window over it, the field dims.
    void changeEvent(QEvent* event) override;
};

} // namespace windows
