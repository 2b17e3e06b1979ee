// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/fakesound.h"
#include "platform/soundswitch.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

// The embedded sounds must be plain PCM WAVE files of the exact formats the
// game was laid out for; a malformed one would play as silence.
class tst_sounds : public QObject {
    Q_OBJECT
private slots:
    void embeddedWaveHasItsFormat_data();
    void embeddedWaveHasItsFormat();
    void switchedOffNothingIsHeard();
    void missingSpotSoundLandsBeforeItsRepeat();
};

// The game repeats the missing-spot sound every 400 ms: all but a faint ring
// must come before then, or every repeat cuts the gesture short.
void tst_sounds::missingSpotSoundLandsBeforeItsRepeat()
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

void tst_sounds::embeddedWaveHasItsFormat_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    const int rows[][5] = {{101, 43816, 1, 44100, 16}, {102, 2256, 1, 11025, 8},  {103, 17584, 2, 22050, 8},
                           {104, 59424, 2, 44100, 16}, {105, 175140, 2, 44100, 16}, {106, 76032, 1, 44100, 16},
                           {107, 17756, 1, 11025, 8},  {108, 2340, 2, 11025, 8},   {109, 1596, 1, 11025, 8},
                           {110, 20288, 1, 11025, 8},  {111, 77712, 1, 44100, 16}};
    for (const auto& r : rows)
        QTest::addRow("RESOURCE_ID_%d", r[0]) << r[0] << r[1] << r[2] << r[3] << r[4];
}

void tst_sounds::embeddedWaveHasItsFormat()
{
    QFETCH(int, id);
    QFETCH(int, bytes);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFile file(QStringLiteral(":/sounds/RESOURCE_ID_%1.wav").arg(id));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    QCOMPARE(wav.size(), bytes);
    const auto u16 = [&](int at) { return int(qFromLittleEndian<quint16>(wav.constData() + at)); };
    const auto u32 = [&](int at) { return qint64(qFromLittleEndian<quint32>(wav.constData() + at)); };
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(u32(4), qint64(bytes - 8));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(u32(16), qint64(16));
    QCOMPARE(u16(20), 1); // PCM
    QCOMPARE(u16(22), channels);
    QCOMPARE(u32(24), qint64(rate));
    QCOMPARE(u32(28), qint64(rate) * channels * bits / 8);
    QCOMPARE(u16(32), channels * bits / 8);
    QCOMPARE(u16(34), bits);
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    QCOMPARE(u32(40), qint64(bytes - 44));
}

QTEST_GUILESS_MAIN(tst_sounds)
#include "tst_sounds.moc"
