// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "recallwindow.h"

#include "fieldscene.h"
#include "fieldview.h"
#include "game/keno.h"
#include "gamelook.h"
#include "playhistory.h"
#include "presenter.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace windows {

recallwindow::recallwindow(ArtRenderer& art, PlayHistory& history, int slot, QWidget* parent)
    : QWidget(parent, Qt::Dialog), history(history), slot(slot), scene(new FieldScene(art, this)),
      meter(new QLabel(this)), heading(new QLabel(this)), list(new QListWidget(this)),
      older(new QPushButton(tr("Older plays  (Page Down)"), this)),
      newer(new QPushButton(tr("Newer plays  (Page Up)"), this))
{
    setObjectName(QStringLiteral("recallwindow"));
    setWindowTitle(tr("Game Recall"));
    setAttribute(Qt::WA_DeleteOnClose);
    starts.push_back(history::newest);

    const history::Meter m = history.store().meter(slot, history.started());
    meter->setObjectName(QStringLiteral("meter"));
    meter->setText(tr("Since the game started:   plays %1,   coins bet %2,   coins won %3,   net %4")
                       .arg(m.plays)
                       .arg(m.coinsBet)
                       .arg(m.coinsWon)
                       .arg(m.net() > 0 ? QStringLiteral("+%1").arg(m.net()) : QString::number(m.net())));
    list->setObjectName(QStringLiteral("plays"));
    list->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 40);
    auto* view = new FieldView(scene, this);
    view->setInteractive(false);
    view->setFixedSize(view->sizeHint());
    auto* close = new QPushButton(tr("close"), this);
    for (QPushButton* button : {older, newer, close})
        button->setCursor(Qt::PointingHandCursor);

    auto* left = new QVBoxLayout;
    left->addWidget(heading);
    left->addWidget(list, 1);
    left->addWidget(newer);
    left->addWidget(older);
    auto* row = new QHBoxLayout;
    row->addLayout(left);
    row->addWidget(view);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(meter);
    layout->addLayout(row);
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(older, &QPushButton::clicked, this, &recallwindow::showOlder);
    connect(newer, &QPushButton::clicked, this, &recallwindow::showNewer);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(list, &QListWidget::currentRowChanged, this, &recallwindow::choose);
    for (const auto& [key, act] : {std::pair{QKeySequence::MoveToNextPage, &recallwindow::showOlder},
                                   {QKeySequence::MoveToPreviousPage, &recallwindow::showNewer}})
        connect(new QShortcut(key, this), &QShortcut::activated, this, act);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    showPage();
}

void recallwindow::showOlder()
{
    if (plays.size() < pageSize || history.store().plays(slot, 1, plays.back().id).empty())
        return;
    starts.push_back(plays.back().id);
    showPage();
}

void recallwindow::showNewer()
{
    if (starts.size() < 2)
        return;
    starts.pop_back();
    showPage();
}

void recallwindow::showPage()
{
    plays = history.store().plays(slot, pageSize, starts.back());
    heading->setText(plays.empty() ? tr("No plays kept yet.") : tr("Page %1, newest first:").arg(starts.size()));
    list->clear();
    for (const history::PlayRecord& play : plays) {
        const QString when = QDateTime::fromMSecsSinceEpoch(play.time).toString(QStringLiteral("MM-dd hh:mm:ss"));
        list->addItem(tr("%1   %2 spots  %3 x %4   won %5")
                          .arg(when)
                          .arg(play.spots.size())
                          .arg(play.bet)
                          .arg(play.flutes)
                          .arg(play.win));
    }
    newer->setEnabled(starts.size() > 1);
    older->setEnabled(plays.size() == pageSize && !history.store().plays(slot, 1, plays.back().id).empty());
    list->setCurrentRow(plays.empty() ? -1 : 0);
    list->setFocus();
}

void recallwindow::choose(int row)
{
    if (row < 0 || row >= int(plays.size()))
        return;
    game::State ended = game::Keno::replay(plays[std::size_t(row)]);
    ended.player.bank = plays[std::size_t(row)].credit;
    Presenter::showState(*scene, ended);
}

} // namespace windows
