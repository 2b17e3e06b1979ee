// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "statisticslines.h"

#include <QWidget>
#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

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

// Chooses, names and clears players, adds fast money and sets the speed.
// The main window is disabled while it is open; closing it in any way
// saves the current player and gives the main window back.
class frmvorlaneoptions : public QWidget {
    Q_OBJECT
public:
    frmvorlaneoptions(game::Keno& keno, platform::SettingsStore& store, players::RecordSaver& saver,
                      platform::Messages& messages, QWidget* mainWindow);

    // Selecting a slot or a speed from code runs the same steps as a click.
    void machine_Click(int index);
    void setspeed_Click(int index);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildNameEntry(QWidget* frame);
    void buildSlots(QWidget* frame);
    void buildStatistics(QWidget* frame);
    void buildButtons(QWidget* frame);
    void buildSpeeds(QWidget* frame);
    // A text too long for its place is drawn smaller, never cut; a player's
    // name keeps its size and ends in an ellipsis.
    void fitTexts(QWidget* frame);
    void showAtOpening();

    void player1_Enter();
    void Btndeletedetails_Click();
    void quickmoney_Click();
    void btnokplayer_Click();

    int slot() const;
    QString name() const; // the current player's name in upper case
    void save();
    void selectSpeed();
    void showStatistics(Moment moment);
    void showDeleteCaption(const QString& rawName);

    game::Keno& keno;
    platform::SettingsStore& store;
    players::RecordSaver& saver;
    platform::Messages& messages;
    QWidget* mainWindow;

    QLineEdit* player1;
    QLabel* lblcurrentplayer;
    std::array<QRadioButton*, 7> machine{};
    QButtonGroup* machines;
    std::array<QRadioButton*, 5> setspeed{};
    QButtonGroup* speeds;
    QLabel* speedlab;
    std::array<QLabel*, 6> statistics{}; // lblgames ... lblinvested, top to bottom
    QPushButton* Btndeletedetails;
};

} // namespace windows
