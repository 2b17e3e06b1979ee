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

namespace windows {

class aboutvorlane;
class frmvorlaneoptions;
class Presenter;
class tarvopaysheet;

// The main window's menu bar and the windows it opens, each at most once.
// While a play runs only Exit and the payout schedule answer; the rest say why not on the field.
class GameMenu : public QObject {
    Q_OBJECT
public:
    GameMenu(QMainWindow* window, game::Keno& keno, platform::SettingsStore& store, Presenter& shows,
             platform::Messages& messages);
    ~GameMenu() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Options and about hold the game until they close.
    void hold();
    void mnuabout_Click();
    void mnudetails_Click();
    void mnupay_Click();
    void mnuhelp_Click();
    // True, with the reason on the field, while a play is open.
    bool refused() const;

    QMainWindow* window;
    game::Keno& keno;
    platform::SettingsStore& store;
    Presenter& shows;
    platform::Messages& messages;
    std::unique_ptr<aboutvorlane> about;
    QPointer<tarvopaysheet> paysheet;
    QPointer<frmvorlaneoptions> options;
};

} // namespace windows
