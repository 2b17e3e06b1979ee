// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "autoplaydialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

namespace windows {

autoplaydialog::autoplaydialog(QWidget* parent)
    : QDialog(parent), plays(new QComboBox(this)), onWin(new QCheckBox(tr("Stop at a win of at least"), this)),
      win(new QSpinBox(this)), onLoss(new QCheckBox(tr("Stop after a loss of"), this)), loss(new QSpinBox(this))
{
    setObjectName(QStringLiteral("autoplaydialog"));
    setWindowTitle(tr("Auto Play"));
    for (const int n : {10, 25, 50, 100})
        plays->addItem(tr("%1 plays").arg(n), n);
    for (QSpinBox* coins : {win, loss}) {
        coins->setRange(1, 1'000'000);
        coins->setSuffix(tr(" coins"));
    }
    win->setValue(100);
    loss->setValue(50);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Start"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Repeat the last play (same spots, bet and flutes)"), plays);
    form->addRow(onWin, win);
    form->addRow(onLoss, loss);
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

game::AutoPlayRules autoplaydialog::rules() const
{
    return {plays->currentData().toInt(), onWin->isChecked() ? win->value() : 0, onLoss->isChecked() ? loss->value() : 0};
}

} // namespace windows
