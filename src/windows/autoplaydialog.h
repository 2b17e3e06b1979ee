// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/autoplay.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace windows {

// Asks how many times auto-play repeats the last play and when it stops early.
class autoplaydialog : public QDialog {
    Q_OBJECT
public:
    explicit autoplaydialog(QWidget* parent = nullptr);
    game::AutoPlayRules rules() const;

private:
    QComboBox* plays;
    QCheckBox* onWin;
    QSpinBox* win;
    QCheckBox* onLoss;
    QSpinBox* loss;
};

} // namespace windows
