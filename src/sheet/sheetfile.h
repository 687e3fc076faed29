// A job sheet as a CSV file (RFC 4180, UTF-8 with a byte order mark) that a
// spreadsheet opens as a table: a row of column names, then one row per line
// with a column for each kind of input. Numbers are written with '.' whatever
// the user's separator, and read back into it.
#pragma once

#include "sheet/jobsheet.h"

#include <QByteArray>

#include <functional>
#include <variant>

namespace msweight {

// The columns, in the order they are written; a file may order them as it
// likes.
std::span<const QStringView> SheetFileColumns();

QByteArray WriteSheet(const SheetContents &contents, QStringView separator);

struct SheetFile
{
    SheetContents contents;
    // The lines, numbered as the sheet numbers them, whose weight did not
    // agree with their inputs, worked out again.
    QList<int> reworked;
};

// Reading given up at the caller's word.
struct ReadCancelled
{
};

// How far reading has come, in characters of the text; false to give up.
using ReadProgress = std::function<bool(qint64 done, qint64 total)>;

// The sheet in `bytes`, with its numbers written with `separator`; or why
// the file cannot be read, naming its line and column.
std::variant<SheetFile, QString, ReadCancelled> ReadSheet(const QByteArray &bytes, const QString &separator,
                                                          const ReadProgress &progress = {});

} // namespace msweight
