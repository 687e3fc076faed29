// Reading a number from a very long pasted text: 128 KiB to 1 MiB of
// characters, in two shapes, so that the times show how parsing grows; and
// the failure of such a text that is refused, with its message.
#include "numtext/numtext.h"

#include <QtTest>

#include <bit>
#include <cstdlib>
#include <locale.h>

using namespace msweight;

Q_DECLARE_METATYPE(msweight::NumberFault)

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
    void refusedText_data();
    void refusedText();
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

void BenchNumText::refusedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<NumberFault>("fault");
    for (const int kib : {128, 256, 512, 1024}) {
        const QString digits(kib * 1024, u'7');
        QTest::addRow("too large %d KiB", kib) << digits << NumberFault::TooLarge;
        QTest::addRow("letter at the end %d KiB", kib) << digits + u'x' << NumberFault::NotANumber;
    }
}

// What a click on a box holding the text costs once the number is refused.
void BenchNumText::refusedText()
{
    QFETCH(QString, text);
    QFETCH(NumberFault, fault);
    const QString separator = DecimalSeparator();

    QVERIFY(!ParseNumber(text, separator));
    const ConversionFailure first(text, separator);
    QCOMPARE(first.fault, fault);
    QVERIFY(first.message().size() < 100); // the text is quoted short

    QString message;
    QBENCHMARK
    {
        const ConversionFailure failure(text, separator);
        message = failure.message();
    }
    QCOMPARE(message, first.message());
}

QTEST_GUILESS_MAIN(BenchNumText)
#include "bench_numtext.moc"
