// Rows of a job sheet's file for tests, their cells named by column.
#pragma once

#include "sheet/sheetfile.h"

#include <QHash>
#include <QStringList>

// A row of the file, its cells named by column.
inline QByteArray Row(const QHash<QString, QString> &cells)
{
    QStringList row;
    for (QStringView column : msweight::SheetFileColumns())
        row << cells.value(column.toString());
    return row.join(u',').toUtf8() + "\r\n";
}

inline QByteArray Header()
{
    QStringList names;
    for (QStringView column : msweight::SheetFileColumns())
        names << column.toString();
    return names.join(u',').toUtf8() + "\r\n";
}

// 6 m x 10 of MC - 75 x 40, 408 kg.
inline QHash<QString, QString> ChannelRow()
{
    using namespace Qt::StringLiterals;
    return {{u"Job"_s, u"Shed"_s},       {u"Item"_s, u"ISMC channel"_s}, {u"Size"_s, u"MC - 75 x 40"_s},
            {u"Length (m)"_s, u"6"_s},   {u"Quantity"_s, u"10"_s},       {u"Unit weight (kg/m)"_s, u"6.8"_s},
            {u"Weight (kg)"_s, u"408"_s}};
}

inline QHash<QString, QString> With(QHash<QString, QString> row, const QString &column, const QString &text)
{
    row[column] = text;
    return row;
}
