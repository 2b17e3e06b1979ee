// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "singlegame.h"

#include "settingslock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace platform {

namespace {

QString socketPath(const std::string& settingsFile)
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(settingsFile), QCryptographicHash::Sha1);
    return folder + QStringLiteral("/slot_vorlane-") + QString::fromLatin1(hash.toHex().left(16));
}

// The running game may still be starting: give it a moment to listen.
void askToRaise(const QString& path)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        QLocalSocket socket;
        socket.connectToServer(path);
        if (socket.waitForConnected(500)) {
            socket.write("raise\n");
            socket.waitForBytesWritten(500);
            return;
        }
        QThread::msleep(50);
    }
}

} // namespace

SingleGame::SingleGame(const std::string& settingsFile, QObject* parent)
    : QObject(parent), lock(SettingsLock::of(settingsFile))
{
    const QString path = socketPath(settingsFile);
    if (!lock->ours()) {
        askToRaise(path);
        return;
    }
    server = new QLocalServer(this);
    // A socket left by a game that was killed; the lock says no game has it.
    QLocalServer::removeServer(path);
    server->listen(path);
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* asker = server->nextPendingConnection()) {
            connect(asker, &QLocalSocket::disconnected, asker, &QObject::deleteLater);
            emit raiseRequested();
        }
    });
}

SingleGame::~SingleGame() = default;

} // namespace platform
