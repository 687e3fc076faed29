// Reading a number from a very long pasted text: 128 KiB to 1 MiB of
// characters, in two shapes, so that the times show how parsing grows.
#include "numtext/numtext.h"

#include <QtTest>

#include <bit>
#include <cstdlib>
#include <locale.h>

using namespace msweight;

namespace {

// strtod in the "C" locale, whatever LC_NUMERIC the application set.
double CStrtod(const QByteArray &dotText)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(dotText.constData(), nullptr, c);
}

// "0." and digits up to `size` characters, the digits those of a fixed
// pseudo-random sequence.
QByteArray LongFraction(qsizetype size)
{
    QByteArray text("0.");
    text.reserve(size);
    quint32 state = 12345;
    while (text.size() < size) {
        state = state * 1664525u + 1013904223u;
        text += char('0' + (state >> 16) % 10);
    }
    return text;
}

// "1", zeros, and an exponent that brings it back to one: `size` characters
// or a few fewer.
QByteArray LongInteger(qsizetype size)
{
    qsizetype zeros = size - 3 - QByteArray::number(size).size();
    return "1" + QByteArray(zeros, '0') + "e-" + QByteArray::number(zeros);
}

} // namespace

class BenchNumText : public QObject
{
    Q_OBJECT

private slots:
    void textToNumber_data();
    void textToNumber();
};

void BenchNumText::textToNumber_data()
{
    QTest::addColumn<QByteArray>("dotText"); // with '.' as the separator
    for (const int kib : {128, 256, 512, 1024}) {
        QTest::addRow("fraction %d KiB", kib) << LongFraction(kib * 1024);
        QTest::addRow("exponent %d KiB", kib) << LongInteger(kib * 1024);
    }
}

void BenchNumText::textToNumber()
{
    QFETCH(QByteArray, dotText);
    const QString text = QString::fromLatin1(dotText).replace(u'.', DecimalSeparator());

    const double expected = CStrtod(dotText);
    QVERIFY(expected > 0.0);
    QCOMPARE(std::bit_cast<quint64>(TextToNumber(text)), std::bit_cast<quint64>(expected));

    double value = 0.0;
    QBENCHMARK
    {
        value = TextToNumber(text);
    }
    QCOMPARE(value, expected);
}

QTEST_GUILESS_MAIN(BenchNumText)
#include "bench_numtext.moc"
