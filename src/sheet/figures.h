// Figures as people write them: weights rounded to the user's decimals,
// amounts to two, both grouped as the user's locale groups digits, with the
// currency's symbol; and the rate's unit. What the sheet keeps and saves
// stays exact: these are for reading only.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace msweight {

// What a rate is given per: the sheet's file keeps it beside the rate.
enum class RateUnit : std::uint8_t { PerKg, PerTonne };

struct FigureFormat
{
    static constexpr int MaxDecimals = 6;

    QLocale locale = QLocale::system();
    int kgDecimals = 2;
    int tonneDecimals = 3;
    QString currency;                    // as the user set it; empty: the locale's symbol
    RateUnit rateUnit = RateUnit::PerKg; // a new sheet's

    // Kept with QSettings, read once and written when changed.
    static FigureFormat load();
    void save() const;

    QString currencySymbol() const;
    // "2,98,529.75" for en_IN.
    QString kg(double weight) const;
    QString tonnes(double weight) const;
    QString money(double amount) const;
    // "₹2,98,529.75", the symbol placed as the locale places it.
    QString moneyWithSymbol(double amount) const;
    // A figure to its last significant digit as NumberToText gives it,
    // grouped: a unit weight, which rounding would change.
    QString exact(double value) const;
};

// The locale whose decimal point is `separator`: the system's where it is,
// else one that uses it, so that a sheet reads and shows numbers alike.
QLocale NumberLocale(QStringView separator);

// "kg" or "t", as the file and the rate's box name it.
QString RateUnitName(RateUnit unit);
// The unit named `name`; an empty name is a kg, as files before the unit had.
std::optional<RateUnit> RateUnitNamed(QStringView name);
// Kilograms in one unit of the rate.
double KgPer(RateUnit unit);

} // namespace msweight
