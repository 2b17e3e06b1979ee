// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "recordnotices.h"

#include "platform/messages.h"
#include "platform/settingsstore.h"
#include "words.h"

namespace windows {

namespace {
// Where a file the game could not read went, or that it stayed as it was.
QString whereKept(const std::optional<std::string>& copy)
{
    return copy ? QStringLiteral("The file was kept unchanged as\r") + QString::fromStdString(*copy)
                : QStringLiteral("No copy of it could be made, so it was left as it was and nothing will be saved to it.");
}

QString failure(const platform::SettingsStore& store, const char* verb, const char* outcome)
{
    return QStringLiteral("The player records %1 saved to\r%2\rbecause %3.\r%4")
        .arg(QLatin1String(verb), QString::fromStdString(store.location()), QString::fromStdString(store.problem()),
             QLatin1String(outcome));
}
} // namespace

QString recordNotice(players::Trouble trouble, const platform::SettingsStore& store)
{
    const QString unread = QStringLiteral("The player records in\r%1\rcould not be read, so the game starts without them.\r")
                               .arg(QString::fromStdString(store.location()));
    switch (trouble) {
    case players::Trouble::setAside:
    case players::Trouble::leftDamaged:
        return unread + whereKept(store.setAside());
    case players::Trouble::unsavable:
        return failure(store, "cannot be", "You can play, but nothing won or put in will be kept.");
    case players::Trouble::saveFailed:
        break;
    }
    return failure(store, "could not be", "The game goes on, but coins won from now on may be lost when it closes.");
}

QString closingNotice(const platform::SettingsStore& store)
{
    return failure(store, "could not be", "The game is closing.");
}

QString unreadNotice(platform::SettingsStore& store, int slot, const std::vector<players::Unread>& unread)
{
    if (unread.empty())
        return {};
    const QString name = QString::fromStdString(players::readName(store, slot));
    QString text = QStringLiteral("Player %1%2 in\r%3\rhas what the game cannot take as a number:\r")
                       .arg(QString::number(slot), name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name),
                            QString::fromStdString(store.location()));
    for (const players::Unread& value : unread)
        text += QString::fromStdString(value.key + " = " + value.text) + u'\r';
    text += unread.size() == 1 ? QStringLiteral("The game counts it as 0.\r") : QStringLiteral("The game counts them as 0.\r");
    return text + whereKept(store.keepAside());
}

void showNotice(platform::Messages& messages, const QString& notice)
{
    if (!notice.isEmpty())
        messages.show(platform::Messages::Icon::critical, notice.toStdString(), programName().toStdString());
}

} // namespace windows
