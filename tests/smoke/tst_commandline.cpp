// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The built program started from a terminal, with and without a display: the
// command line gets the same answer either way, and a start without a display
// ends in one line of its own words and status 1, never in an abort.
class tst_commandline : public QObject {
    Q_OBJECT
    QProcess xvfb;
    QString display;
    QTemporaryDir home;

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        xvfb.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s});
        QVERIFY2(xvfb.waitForReadyRead(20000), "Xvfb did not start");
        display = u':' + QString::fromLatin1(xvfb.readLine().trimmed());
    }
    void cleanupTestCase()
    {
        xvfb.terminate();
        xvfb.waitForFinished();
    }
    void answers_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("environment"); // NAME=value, or "real" for the test's own X server
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("said"); // with status 0 the start of stdout, else all of stderr
        const auto row = [](const char* name, const QString& arguments, const QString& environment, int status,
                            const QByteArray& said) { QTest::newRow(name) << arguments << environment << status << said; };
        const QByteArray noDisplay = "slot_vorlane: no graphical display was found: ",
                         unset = noDisplay + "neither DISPLAY nor WAYLAND_DISPLAY is set\n",
                         unreachable = noDisplay + "DISPLAY=:4242 cannot be reached\n",
                         unknown = "slot_vorlane: Unknown option 'bogus'.\n", version = "slot_vorlane v6 (build ";
        row("no display", {}, {}, 1, unset);
        row("X display unreachable", {}, u"DISPLAY=:4242"_s, 1, unreachable);
        row("Wayland display unreachable", {}, u"WAYLAND_DISPLAY=nowhere"_s, 1,
            noDisplay + "WAYLAND_DISPLAY=nowhere cannot be reached\n");
        row("X named by -display unreachable", u"-display :4242"_s, u"real"_s, 1, unreachable);
        row("Qt's own option, no display", u"-style Fusion"_s, {}, 1, unset);
        row("unknown option, no display", u"--bogus"_s, {}, 1, unknown);
        row("unknown option, display", u"--bogus"_s, u"real"_s, 1, unknown);
        row("version, no display", u"--version"_s, {}, 0, version);
        row("odds, no display", u"--odds"_s, {}, 0, "Odds of one flute");
        row("odds in the desktop's language", u"--odds"_s, u"LANG=pl_PL.UTF-8"_s, 0, "Szanse jednej rurki");
        row("odds in the language asked for", u"--lang fr --odds"_s, u"LANG=pl_PL.UTF-8"_s, 0, "Chances d'un tube");
        row("a language the game lacks is English", u"--lang ja --odds"_s, {}, 0, "Odds of one flute");
    }
    void answers()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, environment);
        QFETCH(int, status);
        QFETCH(QByteArray, said);

        // Nothing of the test's own display or platform reaches the program; the
        // sanitisers' settings do.
        QProcessEnvironment env;
        for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS"})
            if (qEnvironmentVariableIsSet(name))
                env.insert(QString::fromLatin1(name), qEnvironmentVariable(name));
        env.insert(u"XDG_CONFIG_HOME"_s, home.path());
        env.insert(u"XDG_RUNTIME_DIR"_s, home.path());
        if (environment == u"real")
            env.insert(u"DISPLAY"_s, display);
        else if (!environment.isEmpty())
            env.insert(environment.section(u'=', 0, 0), environment.section(u'=', 1));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(SLOT_VORLANE), arguments.split(u' ', Qt::SkipEmptyParts));
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit); // no abort, no core
        QCOMPARE(program.readAllStandardError(), status == 0 ? QByteArray() : said);
        QVERIFY(program.readAllStandardOutput().startsWith(status == 0 ? said : QByteArray()));
        QCOMPARE(program.exitCode(), status);
    }
};

QTEST_GUILESS_MAIN(tst_commandline)
#include "tst_commandline.moc"
