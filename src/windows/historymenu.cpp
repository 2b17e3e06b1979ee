// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "historymenu.h"

#include "game/keno.h"
#include "autoplaydialog.h"
#include "autoplayer.h"
#include "fairnesswindow.h"
#include "gamelook.h"
#include "playhistory.h"
#include "recallwindow.h"
#include "vorlane.h"

#include <QMenuBar>

namespace windows {

HistoryMenu::HistoryMenu(vorlane& window, game::Keno& keno, ArtRenderer& art, PlayHistory& history)
    : QObject(&window), window(window), keno(keno), art(art), history(history),
      player(new AutoPlayer(keno, window.presenter(), window.field()))
{
    connect(add("mnurecall", tr("&Recall"), Qt::Key_R), &QAction::triggered, this, &HistoryMenu::mnurecall_Click);
    connect(add("mnufairness", tr("&Fairness"), Qt::Key_F), &QAction::triggered, this, &HistoryMenu::mnufairness_Click);
    connect(add("mnuautoplay", tr("A&uto Play"), Qt::Key_P), &QAction::triggered, this, &HistoryMenu::mnuautoplay_Click);
}

HistoryMenu::~HistoryMenu()
{
    delete recall;
    delete fairness;
}

QAction* HistoryMenu::add(const char* name, const QString& caption, Qt::Key key)
{
    QAction* action = window.menuBar()->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

void HistoryMenu::mnurecall_Click()
{
    if (keno.state().playing())
        return;
    // A window of another player's plays gives way to the current player's.
    delete recall;
    recall = new recallwindow(art, history, keno.state().playerno);
    ownBy(recall, &window);
    recall->show();
    recall->activateWindow();
}

void HistoryMenu::mnufairness_Click()
{
    if (keno.state().playing())
        return;
    delete fairness;
    fairness = new fairnesswindow(history::fairness(history.store().tally(keno.state().playerno)));
    ownBy(fairness, &window);
    fairness->show();
    fairness->activateWindow();
}

void HistoryMenu::mnuautoplay_Click()
{
    if (keno.state().playing() || keno.settledPlay().flutes <= 0)
        return;
    autoplaydialog ask(&window);
    if (ask.exec() == QDialog::Accepted)
        player->start(ask.rules());
}

} // namespace windows
