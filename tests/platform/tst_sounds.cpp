// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/fakesound.h"
#include "platform/soundswitch.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

// The embedded sounds must be plain PCM WAVE files; a malformed one would
// play as silence.
class tst_sounds : public QObject {
    Q_OBJECT
private slots:
    void embeddedWaveIsWhole_data();
    void embeddedWaveIsWhole();
    void switchedOffNothingIsHeard();
    void missingSpotSoundLandsBeforeItsRepeat();
};

static QByteArray wave(int id)
{
    QFile file(QStringLiteral(":/sounds/RESOURCE_ID_%1.wav").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The game repeats the missing-spot sound every 400 ms: all but a faint ring
// must come before then, or every repeat cuts the gesture short.
void tst_sounds::missingSpotSoundLandsBeforeItsRepeat()
{
    const QByteArray wav = wave(111).mid(44);
    const auto* samples = reinterpret_cast<const qint16*>(wav.constData());
    const qsizetype count = wav.size() / 2, repeat = 44100 * 4 / 10;
    double before = 0, after = 0;
    for (qsizetype i = 0; i < count; ++i)
        (i < repeat ? before : after) += double(samples[i]) * samples[i];
    QVERIFY2(after < 0.05 * (before + after), qPrintable(QString::number(after / (before + after))));
}

// Off stops what plays and lets nothing through until it is on again.
void tst_sounds::switchedOffNothingIsHeard()
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

void tst_sounds::embeddedWaveIsWhole_data()
{
    QTest::addColumn<int>("id");
    for (int id = 101; id <= 111; ++id)
        QTest::addRow("RESOURCE_ID_%d", id) << id;
}

// A 44-byte header of 8- or 16-bit PCM, mono or stereo, at 44.1 kHz or a
// whole fraction of it, and the samples it announces.
void tst_sounds::embeddedWaveIsWhole()
{
    QFETCH(int, id);
    const QByteArray wav = wave(id);
    const auto u16 = [&](int at) { return int(qFromLittleEndian<quint16>(wav.constData() + at)); };
    const auto u32 = [&](int at) { return qint64(qFromLittleEndian<quint32>(wav.constData() + at)); };
    const int channels = u16(22), bits = u16(34);
    const qint64 rate = u32(24);
    QVERIFY(wav.size() > 44 && wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt " && wav.mid(36, 4) == "data");
    QVERIFY(u32(16) == 16 && u16(20) == 1); // PCM
    QVERIFY((channels == 1 || channels == 2) && (bits == 8 || bits == 16) && rate > 0 && 44100 % rate == 0);
    QCOMPARE(u32(28), rate * channels * bits / 8);
    QCOMPARE(u16(32), channels * bits / 8);
    QCOMPARE(u32(4), wav.size() - 8);
    QCOMPARE(u32(40), wav.size() - 44);
}

QTEST_GUILESS_MAIN(tst_sounds)
#include "tst_sounds.moc"
