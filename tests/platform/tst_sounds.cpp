// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/fakesound.h"
#include "platform/soundswitch.h"

#include <QFile>
#include <QTest>

// The switch in front of the speakers, and the embedded sounds as the game times them.
class tst_sounds : public QObject {
    Q_OBJECT
private slots:
    // Off stops what plays and lets nothing through until it is on again.
    void switchedOffNothingIsHeard()
    {
        using Kind = fakes::FakeSound::Kind;
        fakes::FakeSound speakers;
        platform::SoundSwitch sound(speakers);
        sound.loop(platform::Cue::snd107);
        sound.setOn(false);
        sound.play(platform::Cue::snd101);
        sound.loop(platform::Cue::snd107);
        sound.setOn(true);
        sound.play(platform::Cue::snd105);
        QCOMPARE(speakers.calls, (std::vector<fakes::FakeSound::Call>{{Kind::loop, platform::Cue::snd107},
                                                                      {Kind::stop, platform::Cue::none},
                                                                      {Kind::once, platform::Cue::snd105}}));
    }
    // The game repeats the missing-spot sound every 400 ms: all but a faint ring
    // must come before then, or every repeat cuts the gesture short.
    void missingSpotSoundLandsBeforeItsRepeat()
    {
        QFile file(QStringLiteral(":/sounds/RESOURCE_ID_111.wav"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll().mid(44);
        const auto* samples = reinterpret_cast<const qint16*>(wav.constData());
        const qsizetype count = wav.size() / 2, repeat = 44100 * 4 / 10;
        double before = 0, after = 0;
        for (qsizetype i = 0; i < count; ++i)
            (i < repeat ? before : after) += double(samples[i]) * samples[i];
        QVERIFY2(after < 0.05 * (before + after), qPrintable(QString::number(after / (before + after))));
    }
};

QTEST_GUILESS_MAIN(tst_sounds)
#include "tst_sounds.moc"
