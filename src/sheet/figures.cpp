#include "sheet/figures.h"

#include "numtext/numtext.h"

#include <QSettings>

#include <algorithm>

namespace msweight {

namespace {

constexpr auto KgDecimalsKey = "figures/kgDecimals";
constexpr auto TonneDecimalsKey = "figures/tonneDecimals";
constexpr auto CurrencyKey = "figures/currency";
constexpr auto RateUnitKey = "figures/rateUnit";

int Decimals(const QVariant &value, int otherwise)
{
    bool ok = false;
    const int decimals = value.toInt(&ok);
    return ok ? std::clamp(decimals, 0, FigureFormat::MaxDecimals) : otherwise;
}

// A figure rounded to nothing shows no sign: "-0.00" would read as a debt.
QString Rounded(const QLocale &locale, double value, int decimals)
{
    QString text = locale.toString(value, 'f', decimals);
    if (value < 0 && locale.toString(-value, 'f', decimals) == locale.toString(0.0, 'f', decimals))
        text = locale.toString(0.0, 'f', decimals);
    return text;
}

} // namespace

FigureFormat FigureFormat::load()
{
    QSettings settings;
    FigureFormat format;
    format.kgDecimals = Decimals(settings.value(KgDecimalsKey), format.kgDecimals);
    format.tonneDecimals = Decimals(settings.value(TonneDecimalsKey), format.tonneDecimals);
    format.currency = settings.value(CurrencyKey).toString();
    format.rateUnit = RateUnitNamed(settings.value(RateUnitKey).toString()).value_or(RateUnit::PerKg);
    return format;
}

void FigureFormat::save() const
{
    QSettings settings;
    settings.setValue(KgDecimalsKey, kgDecimals);
    settings.setValue(TonneDecimalsKey, tonneDecimals);
    settings.setValue(CurrencyKey, currency);
    settings.setValue(RateUnitKey, RateUnitName(rateUnit));
}

QString FigureFormat::currencySymbol() const
{
    return currency.isEmpty() ? locale.currencySymbol() : currency;
}

QString FigureFormat::kg(double weight) const
{
    return Rounded(locale, weight, kgDecimals);
}

QString FigureFormat::tonnes(double weight) const
{
    return Rounded(locale, weight / 1000, tonneDecimals);
}

QString FigureFormat::money(double amount) const
{
    return Rounded(locale, amount, 2);
}

QString FigureFormat::moneyWithSymbol(double amount) const
{
    const QString symbol = currencySymbol();
    if (symbol.isEmpty())
        return money(amount);
    QString text = locale.toCurrencyString(amount, symbol, 2);
    if (amount < 0 && money(amount) == money(0))
        text = locale.toCurrencyString(0.0, symbol, 2);
    return text;
}

QString FigureFormat::exact(double value) const
{
    const QString text = NumberToText(value, u".");
    if (text.contains(u'E'))
        return NumberToText(value, locale.decimalPoint());
    const qsizetype point = text.indexOf(u'.');
    return locale.toString(value, 'f', point < 0 ? 0 : int(text.size() - point - 1));
}

QLocale NumberLocale(QStringView separator)
{
    const QLocale system = QLocale::system();
    if (system.decimalPoint() == separator)
        return system;
    if (separator == u",")
        return QLocale(QLocale::German, QLocale::Germany);
    QLocale c = QLocale::c(); // no currency of its own
    c.setNumberOptions({});   // but grouped, as the system's C locale is
    return c;
}

QString RateUnitName(RateUnit unit)
{
    return unit == RateUnit::PerTonne ? QStringLiteral("t") : QStringLiteral("kg");
}

std::optional<RateUnit> RateUnitNamed(QStringView name)
{
    if (name.isEmpty() || name == u"kg")
        return RateUnit::PerKg;
    if (name == u"t")
        return RateUnit::PerTonne;
    return std::nullopt;
}

double KgPer(RateUnit unit)
{
    return unit == RateUnit::PerTonne ? 1000 : 1;
}

} // namespace msweight
