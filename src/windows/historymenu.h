// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QObject>
#include <QPointer>

class QAction;

namespace game {
class Keno;
}

namespace windows {

class ArtRenderer;
class AutoPlayer;
class PlayHistory;
class fairnesswindow;
class recallwindow;
class vorlane;

// The menu entries that open the play history's windows, each at most once,
// for the player of the moment, and start auto-play. While a play runs they do not answer.
class HistoryMenu : public QObject {
    Q_OBJECT
public:
    HistoryMenu(vorlane& window, game::Keno& keno, ArtRenderer& art, PlayHistory& history);
    ~HistoryMenu() override;

    void mnurecall_Click();
    void mnufairness_Click();
    void mnuautoplay_Click();
    AutoPlayer& autoPlayer() const { return *player; }

private:
    QAction* add(const char* name, const QString& caption, Qt::Key key);

    vorlane& window;
    game::Keno& keno;
    ArtRenderer& art;
    PlayHistory& history;
    AutoPlayer* player;
    QPointer<recallwindow> recall;
    QPointer<fairnesswindow> fairness;
};

} // namespace windows
