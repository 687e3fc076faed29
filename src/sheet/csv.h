// CSV as RFC 4180 writes it: fields separated by commas, records by line
// breaks, a field with a comma, quote or line break in double quotes and its
// quotes doubled. Reading takes CRLF, LF or a lone CR as a line break, and
// keeps every character of a quoted field as it was.
#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>
#include <vector>

namespace msweight {

// Appends `field` to a record being written, quoted where it must be.
void AppendCsvField(QString &out, const QString &field);

struct CsvRecord
{
    int line; // where it begins in the file
    QStringList fields;
};

// Where reading stopped, and why.
struct CsvFault
{
    int line;
    int column; // 1-based; 0 for the line as a whole
    QString message;
};

class CsvReader
{
public:
    explicit CsvReader(QStringView text)
        : m_text(text)
    {
    }

    // Reads the rest of the text into `records`. With `partial` the text may
    // end inside a quoted field.
    std::optional<CsvFault> read(std::vector<CsvRecord> &records, bool partial = false);
    // Reads the next record into `record`, its fields' storage reused.
    std::optional<CsvFault> readRecord(CsvRecord &record, bool partial = false);
    bool atEnd() const { return m_at >= m_text.size(); }
    // How far reading has come, in characters of the text.
    qsizetype position() const { return m_at; }
    // The line reached, counting line breaks inside quoted fields.
    int line() const { return m_line; }

private:
    static bool isEnd(QChar c) { return c == u',' || c == u'\r' || c == u'\n'; }
    qsizetype fieldEnd(qsizetype from) const;

    QStringView m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

// The offset of the first byte that is not part of well-formed UTF-8, or -1.
qsizetype InvalidUtf8(QByteArrayView bytes);

} // namespace msweight
