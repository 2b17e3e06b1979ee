// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The built program started from a terminal, with and without a display: the
// command line gets the same answer either way, and a start without a display
// ends in one line of its own words and status 1, never in an abort.
class tst_commandline : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void answers_data();
    void answers();

private:
    QProcess xvfb;
    QString display;
    QTemporaryDir home;
};

void tst_commandline::initTestCase()
{
    QVERIFY(home.isValid());
    xvfb.start(QStringLiteral("Xvfb"),
               {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QVERIFY2(xvfb.waitForReadyRead(20000), "Xvfb did not start");
    display = QLatin1Char(':') + QString::fromLatin1(xvfb.readLine().trimmed());
}

void tst_commandline::cleanupTestCase()
{
    xvfb.terminate();
    xvfb.waitForFinished();
}

void tst_commandline::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("environment"); // NAME=value, or "real" for the test's own X server
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");  // the start of what is printed on stdout
    QTest::addColumn<QByteArray>("error"); // all of stderr
    const QByteArray noDisplay = "slot_vorlane: no graphical display was found: ";
    const QByteArray unknown = "slot_vorlane: Unknown option 'bogus'.\n";
    const QByteArray version = "slot_vorlane v6 (build ";
    QTest::newRow("no display") << QStringList() << QString() << 1 << QByteArray()
                                << noDisplay + "neither DISPLAY nor WAYLAND_DISPLAY is set\n";
    QTest::newRow("X display unreachable") << QStringList() << QStringLiteral("DISPLAY=:4242") << 1 << QByteArray()
                                           << noDisplay + "DISPLAY=:4242 cannot be reached\n";
    QTest::newRow("Wayland display unreachable") << QStringList() << QStringLiteral("WAYLAND_DISPLAY=nowhere") << 1
                                                 << QByteArray() << noDisplay + "WAYLAND_DISPLAY=nowhere cannot be reached\n";
    QTest::newRow("X named by -display unreachable")
        << QStringList{QStringLiteral("-display"), QStringLiteral(":4242")} << QStringLiteral("real") << 1
        << QByteArray() << noDisplay + "DISPLAY=:4242 cannot be reached\n";
    QTest::newRow("Qt's own option, no display") << QStringList{QStringLiteral("-style"), QStringLiteral("Fusion")}
                                                 << QString() << 1 << QByteArray()
                                                 << noDisplay + "neither DISPLAY nor WAYLAND_DISPLAY is set\n";
    QTest::newRow("unknown option, no display") << QStringList{QStringLiteral("--bogus")} << QString() << 1
                                                << QByteArray() << unknown;
    QTest::newRow("unknown option, display") << QStringList{QStringLiteral("--bogus")} << QStringLiteral("real") << 1
                                             << QByteArray() << unknown;
    QTest::newRow("version, no display") << QStringList{QStringLiteral("--version")} << QString() << 0 << version
                                         << QByteArray();
    QTest::newRow("version, display") << QStringList{QStringLiteral("--version")} << QStringLiteral("real") << 0
                                      << version << QByteArray();
    QTest::newRow("help, no display") << QStringList{QStringLiteral("--help")} << QString() << 0
                                      << QByteArray("Usage: ") << QByteArray();
    QTest::newRow("odds, no display") << QStringList{QStringLiteral("--odds")} << QString() << 0
                                      << QByteArray("Odds of one flute") << QByteArray();
}

void tst_commandline::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, environment);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, error);

    // Nothing of the test's own display or platform reaches the program; the
    // sanitisers' settings do.
    QProcessEnvironment env;
    for (const QString& name : {QStringLiteral("ASAN_OPTIONS"), QStringLiteral("LSAN_OPTIONS")})
        if (qEnvironmentVariableIsSet(qPrintable(name)))
            env.insert(name, qEnvironmentVariable(qPrintable(name)));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    if (environment == QLatin1String("real"))
        env.insert(QStringLiteral("DISPLAY"), display);
    else if (!environment.isEmpty())
        env.insert(environment.section(QLatin1Char('='), 0, 0), environment.section(QLatin1Char('='), 1));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(SLOT_VORLANE), arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit); // no abort, no core
    QCOMPARE(program.readAllStandardError(), error);
    QVERIFY(program.readAllStandardOutput().startsWith(out));
    QCOMPARE(program.exitCode(), status);
}

QTEST_GUILESS_MAIN(tst_commandline)
#include "tst_commandline.moc"
