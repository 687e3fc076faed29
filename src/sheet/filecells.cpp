#include "sheet/filecells.h"

#include "numtext/numtext.h"

namespace msweight {

namespace {

constexpr QStringView Dot = u".";

bool NeedsEscape(QStringView text)
{
    static constexpr QStringView Leading = u"=+-@\t\r'";
    return !text.isEmpty() && Leading.contains(text.front());
}

QString Escaped(const QString &text)
{
    return QLatin1Char('\'') + text;
}

} // namespace

QString TextCell(const QString &text)
{
    return NeedsEscape(text) ? Escaped(text) : text;
}

QString ReadTextCell(const QString &cell)
{
    return cell.startsWith(u'\'') ? cell.mid(1) : cell;
}

QString NumberCell(const QString &typed, QStringView separator)
{
    if (ParseNumber(typed, separator)) {
        QString text = typed;
        if (separator != Dot)
            text.replace(separator.toString(), Dot.toString());
        return text;
    }
    if (NeedsEscape(typed) || ParseNumber(typed, Dot))
        return Escaped(typed);
    return typed;
}

QString ReadNumberCell(const QString &cell, QStringView separator)
{
    if (cell.startsWith(u'\''))
        return cell.mid(1);
    if (separator != Dot && ParseNumber(cell, Dot)) {
        QString text = cell;
        return text.replace(Dot.toString(), separator.toString());
    }
    return cell;
}

QString ListCell(const QString &typed, QStringView separator)
{
    // Where '.' is not the separator, one typed would come back as it.
    if (NeedsEscape(typed) || (separator != Dot && typed.contains(Dot)))
        return Escaped(typed);
    QString text = typed;
    // Where '.' is, ',' parts the items as ';' does.
    if (separator == Dot)
        return text.replace(u',', u';');
    return text.replace(separator.toString(), Dot.toString());
}

QString ReadListCell(const QString &cell, QStringView separator)
{
    if (cell.startsWith(u'\''))
        return cell.mid(1);
    QString text = cell;
    return separator == Dot ? text : text.replace(Dot.toString(), separator.toString());
}

} // namespace msweight
