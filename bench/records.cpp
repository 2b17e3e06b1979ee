// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
//
// The cost of keeping the player's record when the settings file is large
// (another program's sections with long names): the window thread's time per
// save, the time the write itself takes beside the game, the save as the game
// ends, and the peak memory; key=value lines for scripts/bench.
//   records [MEGABYTES]
#include "platform/qtsettingsstore.h"
#include "players/recordsaver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

double peakMb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024;
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const long megabytes = argc > 1 ? std::atol(argv[1]) : 10;
    QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    {
        std::string text = "[player1]\nreelspeed=60\nbank=100\ncurrentplayer=ANN\n";
        for (int n = 0; text.size() < std::size_t(megabytes) << 20; ++n) {
            text += "\n[other" + std::to_string(n) + "]\n";
            for (int k = 0; k < 20; ++k)
                text += "key" + std::to_string(k) + '=' + std::string(200, char('a' + k)) + '\n';
        }
        QFile file(home.filePath(QStringLiteral("Vorlen.ini")));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size()))
            return 2;
    }
    platform::QtSettingsStore store;
    players::RecordSaver saver(store, [](players::Trouble) {});
    game::Player record{60, 0, 0, 0, 100, 0, "ANN"};
    saver.keep(1, record);

    std::vector<double> windowMs, writeMs;
    QElapsedTimer timer;
    for (int i = 0; i < 9; ++i) {
        ++record.bank;
        timer.start();
        saver.keep(1, record); // what a coin click costs the window thread
        windowMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!store.sync()) {
            std::fprintf(stderr, "records: %s\n", store.problem().c_str());
            return 3;
        }
        writeMs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    ++record.bank;
    timer.start();
    saver.saveAtEnd(1, record);
    const double endMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("file_mb=%ld\nsave_window_ms=%.3f\nsave_written_ms=%.1f\nend_save_ms=%.1f\npeak_mb=%.0f\n", megabytes,
                median(windowMs), median(writeMs), endMs, peakMb());
    return 0;
}
