// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "playhistory.h"

#include "game/keno.h"
#include "presenter.h"
#include "recordnotices.h"

#include <QCoreApplication>
#include <QDateTime>

namespace windows {

namespace {
struct Notices {
    Q_DECLARE_TR_FUNCTIONS(HistoryNotices)
};
} // namespace

QString historyNotice(const history::Report& report)
{
    const QString detail = QString::fromStdString(report.detail);
    switch (report.notice) {
    case history::Notice::cannotWrite:
        return Notices::tr("The play history could not be written (%1).\r"
                           "Your credit and statistics are kept as always; the game will go on trying to keep "
                           "your plays.")
            .arg(detail);
    case history::Notice::setAside:
        return Notices::tr("The play history was damaged. It was moved aside as\r%1\r"
                           "and a fresh history has been started.")
            .arg(detail);
    case history::Notice::newerVersion:
        break;
    }
    return Notices::tr("The play history\r%1\rcomes from a newer version of the game. "
                       "It is shown as it is, and no new plays are added to it.")
        .arg(detail);
}

PlayHistory::PlayHistory(const std::filesystem::path& folder, game::Keno& keno, Presenter& presenter,
                         platform::Messages& messages)
    : QObject(&presenter), keno(keno), messages(messages), startTime(QDateTime::currentMSecsSinceEpoch()),
      kept(std::make_unique<history::Store>(folder, [this](const history::Report& report) {
          // Heard on the history's thread: told on the window's.
          QMetaObject::invokeMethod(
              this, [this, report] { showNotice(this->messages, historyNotice(report)); }, Qt::QueuedConnection);
      }))
{
    connect(&presenter, &Presenter::told, this, &PlayHistory::follow);
}

PlayHistory::~PlayHistory() = default;

void PlayHistory::follow(const game::Event& event)
{
    if (event.kind == game::Event::detailsDeleted)
        kept->forget(keno.state().playerno);
    if (event.kind != game::Event::playSettled)
        return;
    history::PlayRecord play{keno.settledPlay()};
    play.time = QDateTime::currentMSecsSinceEpoch();
    play.credit = keno.state().player.bank;
    kept->record(std::move(play));
}

} // namespace windows
