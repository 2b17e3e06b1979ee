// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "qtsound.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

namespace platform {

namespace {
// Qt plays through the desktop's sound server. Asking Qt about devices when
// there is none prints complaints and costs start-up time, so look for the
// server's socket first.
bool soundServerPresent()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"));
}
} // namespace

QtSound::QtSound()
{
    if (!soundServerPresent() || QMediaDevices::audioOutputs().isEmpty())
        return;
    for (int i = 0; i < cueCount; ++i) {
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(QStringLiteral("qrc:/sounds/RESOURCE_ID_%1.wav").arg(101 + i)));
        effects[static_cast<std::size_t>(i)] = std::move(effect);
    }
}

QtSound::~QtSound() = default;

void QtSound::play(Cue cue) { start(cue, 1); }

void QtSound::loop(Cue cue) { start(cue, QSoundEffect::Infinite); }

void QtSound::stop()
{
    if (current)
        current->stop();
    current = nullptr;
}

void QtSound::start(Cue cue, int loops)
{
    QSoundEffect* effect = effects[static_cast<std::size_t>(cue)].get();
    if (!effect)
        return;
    stop();
    effect->setLoopCount(loops);
    effect->play();
    current = effect;
}

} // namespace platform
