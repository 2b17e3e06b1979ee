// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

class QWidget;

namespace windows {

// Whatever text `widget` (a label or a button) is given later, it is drawn
// in its own font or, when that would not fit its fixed place, in the
// largest smaller size that does: never cut off.
void shrinkToFit(QWidget* widget);

} // namespace windows
