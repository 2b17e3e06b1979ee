// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

class QMainWindow;

namespace game {
class Keno;
}

namespace platform {
class Messages;
class SettingsStore;
} // namespace platform

namespace players {
class RecordSaver;
}

namespace windows {

class aboutvorlane;
class frmvorlaneoptions;
class tarvopaysheet;

// The main window's menu bar and the windows it opens, each at most once.
// While a play runs only Exit answers.
class GameMenu : public QObject {
    Q_OBJECT
public:
    GameMenu(QMainWindow* window, game::Keno& keno, platform::SettingsStore& store, players::RecordSaver& saver,
             platform::Messages& messages);
    ~GameMenu() override;

private:
    void mnuabout_Click();
    void mnudetails_Click();
    void mnupay_Click();
    void mnuhelp_Click();

    QMainWindow* window;
    game::Keno& keno;
    platform::SettingsStore& store;
    players::RecordSaver& saver;
    platform::Messages& messages;
    std::unique_ptr<aboutvorlane> about;
    QPointer<tarvopaysheet> paysheet;
    QPointer<frmvorlaneoptions> options;
};

} // namespace windows
