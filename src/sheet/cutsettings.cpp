#include "sheet/cutsettings.h"

#include "numtext/numtext.h"

#include <QRegularExpression>
#include <QSettings>

#include <chrono>

namespace msweight {

namespace {

QString SettingsGroup(const CutGroup &group)
{
    // Keys may not hold "/" or "\\" as they are; percent-encoded they are plain.
    return QStringLiteral("CuttingPlan/") + QString::fromLatin1(group.key().toUtf8().toPercentEncoding(" |·"));
}

// The program's settings, as its other kept choices are.
QSettings ProgramSettings()
{
    return QSettings(QStringLiteral("msweight"), QStringLiteral("msweight"));
}

QString Localised(QString text, QStringView separator)
{
    return text.replace(u'.', separator.toString());
}

// Settings are kept with "." and lists with ";" whatever the separator, so
// that they read back under another locale.
QString Neutral(QString text, QStringView separator)
{
    if (separator == u".")
        return text.replace(u',', u';');
    return text.replace(separator.toString(), QStringLiteral("."));
}

QStringList Items(const QString &text, QStringView separator)
{
    static const QRegularExpression Both(QStringLiteral("[;,]"));
    QStringList items = separator == u"," ? text.split(u';') : text.split(Both);
    for (QString &item : items)
        item = item.trimmed();
    items.removeAll(QString());
    return items;
}

// "12" or "12 x 4": a length in m and a count, `none` where it is not given.
std::optional<CutStock> StockItem(const QString &item, QStringView separator, int none)
{
    static const QRegularExpression Counted(QStringLiteral("^(.*?)\\s*[x×X*]\\s*(\\d+)$"));
    const QRegularExpressionMatch match = Counted.match(item);
    const QString lengthText = match.hasMatch() ? match.captured(1) : item;
    const std::optional<Micrometres> length = ToMicrometres(lengthText, separator, MicrometresPerMetre);
    if (!length || *length <= 0)
        return std::nullopt;
    int count = none;
    if (match.hasMatch()) {
        bool ok = false;
        count = match.captured(2).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return CutStock{*length, count};
}

std::optional<QList<CutStock>> StockList(const QString &text, QStringView separator, int none)
{
    QList<CutStock> list;
    for (const QString &item : Items(text, separator)) {
        const std::optional<CutStock> stock = StockItem(item, separator, none);
        if (!stock)
            return std::nullopt;
        list << *stock;
    }
    return list;
}

QString Refused(const char *box, const QString &text, const char *what)
{
    return QStringLiteral("%1: %2 is not %3.").arg(QLatin1String(box), QuotedForMessage(text), QLatin1String(what));
}

} // namespace

CutSettings DefaultCutSettings(CutKind kind, QStringView separator)
{
    return {kind == CutKind::RolledSection ? QStringLiteral("12") : QStringLiteral("6"),
            {},
            QStringLiteral("3"),
            Localised(QStringLiteral("0.5"), separator),
            QStringLiteral("2")};
}

CutSettings LoadCutSettings(const CutGroup &group, QStringView separator)
{
    const CutSettings defaults = DefaultCutSettings(group.kind, separator);
    QSettings settings = ProgramSettings();
    settings.beginGroup(SettingsGroup(group));
    const auto read = [&](const char *key, const QString &fallback) {
        const QVariant value = settings.value(QLatin1String(key));
        return value.isValid() ? Localised(value.toString(), separator) : fallback;
    };
    return {read("StockLengths", defaults.stock), read("Offcuts", defaults.offcuts), read("Kerf", defaults.kerfMm),
            read("MinOffcut", defaults.minOffcutM), read("TimeLimit", defaults.timeLimitS)};
}

void SaveCutSettings(const CutGroup &group, const CutSettings &values, QStringView separator)
{
    QSettings settings = ProgramSettings();
    settings.beginGroup(SettingsGroup(group));
    settings.setValue(QStringLiteral("StockLengths"), Neutral(values.stock, separator));
    settings.setValue(QStringLiteral("Offcuts"), Neutral(values.offcuts, separator));
    settings.setValue(QStringLiteral("Kerf"), Neutral(values.kerfMm, separator));
    settings.setValue(QStringLiteral("MinOffcut"), Neutral(values.minOffcutM, separator));
    settings.setValue(QStringLiteral("TimeLimit"), Neutral(values.timeLimitS, separator));
}

std::variant<CutRequest, QString> MakeCutRequest(const CutGroup &group, const CutSettings &settings,
                                                 QStringView separator)
{
    CutRequest request;
    request.pieces = group.pieces;

    const auto stock = StockList(settings.stock, separator, CutStock::Unlimited);
    if (!stock || stock->isEmpty())
        return Refused("Stock lengths", settings.stock, "a list of lengths in m, each with an optional count (12 x 4)");
    request.stock = *stock;
    const auto offcuts = StockList(settings.offcuts, separator, 1);
    if (!offcuts)
        return Refused("Offcuts in stock", settings.offcuts, "a list of lengths in m, each with a count (3.5 x 2)");
    request.offcuts = *offcuts;

    const std::optional<Micrometres> kerf = ToMicrometres(settings.kerfMm, separator, MicrometresPerMillimetre);
    if (!kerf || *kerf < 0)
        return Refused("Kerf", settings.kerfMm, "a width in mm of 0 or more");
    request.kerf = *kerf;
    const std::optional<Micrometres> least = ToMicrometres(settings.minOffcutM, separator, MicrometresPerMetre);
    if (!least || *least < 0)
        return Refused("Shortest offcut kept", settings.minOffcutM, "a length in m of 0 or more");
    request.shortestUsableOffcut = *least;
    // Seconds to milliseconds by the same exact reading: a thousand to one.
    const std::optional<Micrometres> limitMs = ToMicrometres(settings.timeLimitS, separator, 1000);
    if (!limitMs || *limitMs <= 0 || *limitMs > 3'600'000)
        return Refused("Time limit", settings.timeLimitS, "a time in s more than 0 and at most an hour");
    request.timeLimit = std::chrono::milliseconds(*limitMs);
    return request;
}

} // namespace msweight
