// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "recordcheck.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <random>

// Mutations of the corpus through the stored-number parser and the record
// loader. VORLANE_FUZZ_SECONDS=600 runs it for ten minutes instead of the
// short default.
class tst_fuzzrecords : public QObject {
    Q_OBJECT
private slots:
    void mutatedRecordsLoadSoundly();
};

namespace {

std::string mutate(std::string text, std::mt19937& random)
{
    static const std::string alphabet = "-+0123456789\n =x[];\"\\e\xff";
    const auto pick = [&](std::size_t n) { return n == 0 ? 0 : std::size_t(random() % n); };
    for (int edits = 1 + int(random() % 4); edits > 0; --edits) {
        const std::size_t at = pick(text.size() + 1), kind = random() % 5;
        if (kind == 0)
            text.insert(at, 1, alphabet[pick(alphabet.size())]);
        else if (kind == 1 && at < text.size())
            text.erase(at, 1 + pick(3));
        else if (kind == 2 && at < text.size())
            text[at] = char(random());
        else if (kind == 3) // a run of digits, to reach past every range
            text.insert(at, std::string(1 + pick(12), char('0' + pick(10))));
        else if (kind == 4)
            text.insert(at, text.substr(pick(text.size()), pick(8)));
    }
    return text;
}

} // namespace

void tst_fuzzrecords::mutatedRecordsLoadSoundly()
{
    std::vector<std::string> corpus;
    for (const QFileInfo& file : QDir(QStringLiteral(CORPUS_DIR)).entryInfoList(QDir::Files)) {
        QFile f(file.filePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        corpus.push_back(f.readAll().toStdString());
    }
    QVERIFY(!corpus.empty());
    const qint64 seconds = qEnvironmentVariableIntValue("VORLANE_FUZZ_SECONDS");
    std::mt19937 random(20261207);
    QElapsedTimer clock;
    clock.start();
    long long inputs = 0, numbersFirst = 0;
    for (; seconds > 0 ? clock.elapsed() < seconds * 1000 : inputs < 20'000; ++inputs) {
        const std::string input = mutate(corpus[random() % corpus.size()], random);
        QVERIFY2(recordcheck::holds(input), QByteArray::fromStdString(input).toPercentEncoding().constData());
        const std::string first = input.substr(0, input.find('\n'));
        game::Long number;
        numbersFirst += players::parseStrict(first, number);
    }
    qInfo("%lld inputs, %lld with a number first", inputs, numbersFirst);
    QVERIFY(numbersFirst > inputs / 20); // the mutations still reach valid numbers
}

QTEST_GUILESS_MAIN(tst_fuzzrecords)
#include "tst_fuzzrecords.moc"
