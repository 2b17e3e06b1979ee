// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QPoint>
#include <QRect>

namespace windows {

// Where a window of `size` stands centred on `area`: each difference is
// halved with the remainder dropped (a difference of 7 gives 3).
inline QPoint centredOrigin(const QRect& area, const QSize& size)
{
    return area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}

} // namespace windows
