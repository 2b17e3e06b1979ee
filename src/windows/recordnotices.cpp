// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "recordnotices.h"

#include "platform/messages.h"
#include "platform/settingsstore.h"
#include "words.h"

#include <QCoreApplication>

namespace windows {

namespace {
struct Notices {
    Q_DECLARE_TR_FUNCTIONS(RecordNotices)
};

// Where a file the game could not read went, or that it stayed as it was.
QString whereKept(const std::optional<std::string>& copy)
{
    return copy ? Notices::tr("The file was kept unchanged as\r%1").arg(QString::fromStdString(*copy))
                : Notices::tr("No copy of it could be made, so it was left as it was and nothing will be saved to it.");
}
} // namespace

QString recordNotice(players::Trouble trouble, const platform::SettingsStore& store)
{
    const QString place = QString::fromStdString(store.location());
    const QString problem = QString::fromStdString(store.problem());
    switch (trouble) {
    case players::Trouble::setAside:
    case players::Trouble::leftDamaged:
        return Notices::tr("The player records in\r%1\rcould not be read, so the game starts without them.\r")
                   .arg(place) +
               whereKept(store.setAside());
    case players::Trouble::unsavable:
        return Notices::tr("The player records cannot be saved to\r%1\rbecause %2.\r"
                           "You can play, but nothing won or put in will be kept.")
            .arg(place, problem);
    case players::Trouble::saveFailed:
        break;
    }
    return Notices::tr("The player records could not be saved to\r%1\rbecause %2.\r"
                       "The game goes on, but coins won from now on may be lost when it closes.")
        .arg(place, problem);
}

QString closingNotice(const platform::SettingsStore& store)
{
    return Notices::tr("The player records could not be saved to\r%1\rbecause %2.\rThe game is closing.")
        .arg(QString::fromStdString(store.location()), QString::fromStdString(store.problem()));
}

QString unreadNotice(platform::SettingsStore& store, int slot, const std::vector<players::Unread>& unread)
{
    if (unread.empty())
        return {};
    const QString name = QString::fromStdString(players::readName(store, slot));
    const QString place = QString::fromStdString(store.location());
    QString text = name.isEmpty()
                       ? Notices::tr("Player %1 in\r%2\rhas what the game cannot take as a number:\r").arg(QString::number(slot), place)
                       : Notices::tr("Player %1 (%2) in\r%3\rhas what the game cannot take as a number:\r")
                             .arg(QString::number(slot), name, place);
    for (const players::Unread& value : unread)
        text += QString::fromStdString(value.key + " = " + value.text) + u'\r';
    text += unread.size() == 1 ? Notices::tr("The game counts it as 0.\r") : Notices::tr("The game counts them as 0.\r");
    return text + whereKept(store.keepAside());
}

void showNotice(platform::Messages& messages, const QString& notice)
{
    if (!notice.isEmpty())
        messages.show(platform::Messages::Icon::critical, notice.toStdString(), programName().toStdString());
}

} // namespace windows
