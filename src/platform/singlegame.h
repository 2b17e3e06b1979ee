// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QObject>
#include <memory>
#include <string>

class QLocalServer;

namespace platform {

class SettingsLock;

// One game per settings file. The first program holds the file's lock and
// listens on a local socket named after the file; a program started while
// it runs asks it to come to the front and goes without a window of its own.
class SingleGame : public QObject {
    Q_OBJECT
public:
    explicit SingleGame(const std::string& settingsFile, QObject* parent = nullptr);
    ~SingleGame() override;
    // False when another program plays on the same file.
    bool first() const { return server != nullptr; }

signals:
    void raiseRequested();

private:
    std::shared_ptr<SettingsLock> lock;
    QLocalServer* server = nullptr;
};

} // namespace platform
