// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "game/keno.h"
#include "platform/qtmessages.h"
#include "platform/qtsettingsstore.h"
#include "platform/qtsound.h"
#include "platform/stdrandomsource.h"
#include "platform/steadyclock.h"
#include "platform/terminationsignals.h"
#include "players/playerrecords.h"
#include "windows/artrenderer.h"
#include "windows/vorlane.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("slot_vorlane"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.svg")));

    platform::QtSound sound;
    platform::QtMessages messages;
    platform::StdRandomSource random;
    platform::QtSettingsStore store;
    platform::SteadyClock clock;
    game::Keno keno(sound, messages, random);
    windows::ArtRenderer art;
    windows::vorlane window(keno, art, messages, store, sound, clock);

    platform::TerminationSignals termination;
    QObject::connect(&termination, &platform::TerminationSignals::terminationRequested, &window, &QWidget::close);

    window.show();
    game::Player record;
    players::readRecord(store, 1, record);
    keno.startUp(record);
    return app.exec();
}
