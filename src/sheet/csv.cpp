#include "sheet/csv.h"

#include "numtext/numtext.h"

namespace msweight {

void AppendCsvField(QString &out, const QString &field)
{
    static constexpr QStringView Special = u",\"\r\n";
    bool quote = false;
    for (QChar c : field) {
        if (Special.contains(c)) {
            quote = true;
            break;
        }
    }
    if (!quote) {
        out += field;
        return;
    }
    out += u'"';
    for (QChar c : field) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

std::optional<CsvFault> CsvReader::read(std::vector<CsvRecord> &records, bool partial)
{
    while (!atEnd()) {
        if (auto fault = readRecord(records.emplace_back(), partial))
            return fault;
    }
    return std::nullopt;
}

std::optional<CsvFault> CsvReader::readRecord(CsvRecord &record, bool partial)
{
    const qsizetype n = m_text.size();
    record.line = m_line;
    record.fields.clear();
    if (m_at < n) {
        for (;;) {
            QString &field = record.fields.emplace_back();
            const int column = int(record.fields.size());
            if (m_at < n && m_text[m_at] == u'"') {
                const int opened = m_line;
                ++m_at;
                for (;;) {
                    if (m_at >= n) {
                        if (partial)
                            return std::nullopt;
                        return CsvFault{
                            opened, column,
                            QStringLiteral("the quoted field %1 has no closing quote.").arg(QuotedForMessage(field))};
                    }
                    const QChar c = m_text[m_at];
                    if (c == u'"') {
                        if (m_at + 1 < n && m_text[m_at + 1] == u'"') {
                            field += u'"';
                            m_at += 2;
                            continue;
                        }
                        ++m_at;
                        break;
                    }
                    if (c == u'\n' || (c == u'\r' && (m_at + 1 >= n || m_text[m_at + 1] != u'\n')))
                        ++m_line;
                    field += c;
                    ++m_at;
                }
                if (m_at < n && !isEnd(m_text[m_at]))
                    return CsvFault{m_line, column,
                                    QStringLiteral("text after the closing quote of %1.").arg(QuotedForMessage(field))};
            } else {
                const qsizetype start = m_at;
                while (m_at < n && !isEnd(m_text[m_at])) {
                    if (m_text[m_at] == u'"')
                        return CsvFault{m_line, column,
                                        QStringLiteral("a quote inside %1, a field that does not begin with one.")
                                            .arg(QuotedForMessage(m_text.sliced(start, fieldEnd(start) - start)))};
                    ++m_at;
                }
                field = m_text.sliced(start, m_at - start).toString();
            }
            if (m_at < n && m_text[m_at] == u',') {
                ++m_at;
                continue;
            }
            break;
        }
        if (m_at < n) { // a line break: CRLF, LF or CR
            m_at += m_text[m_at] == u'\r' && m_at + 1 < n && m_text[m_at + 1] == u'\n' ? 2 : 1;
            ++m_line;
        }
    }
    return std::nullopt;
}

qsizetype CsvReader::fieldEnd(qsizetype from) const
{
    while (from < m_text.size() && !isEnd(m_text[from]))
        ++from;
    return from;
}

// The offset of the first byte that is not part of well-formed UTF-8, or -1.
qsizetype InvalidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80, high = 0xbf; // the second byte's range
        if (c >= 0xc2 && c <= 0xdf) {
            length = 2;
        } else if (c >= 0xe0 && c <= 0xef) {
            length = 3;
            low = c == 0xe0 ? 0xa0 : 0x80;  // no overlong forms
            high = c == 0xed ? 0x9f : 0xbf; // no surrogates
        } else if (c >= 0xf0 && c <= 0xf4) {
            length = 4;
            low = c == 0xf0 ? 0x90 : 0x80;
            high = c == 0xf4 ? 0x8f : 0xbf; // nothing beyond U+10FFFF
        } else {
            return i;
        }
        if (i + length > n || p[i + 1] < low || p[i + 1] > high)
            return i;
        for (int k = 2; k < length; ++k) {
            if ((p[i + k] & 0xc0) != 0x80)
                return i;
        }
        i += length;
    }
    return -1;
}

} // namespace msweight
