#include "sheet/sheetline.h"

#include "numtext/numtext.h"
#include "sheet/itemline.h"
#include "ui/layout.h"

namespace msweight {

std::size_t QuantityInput(const Calculation &calculation)
{
    for (std::size_t i = 0; i < calculation.inputs.size(); ++i) {
        if (calculation.inputs[i].field == Field::Quantity)
            return i;
    }
    qFatal("msweight: %s has no quantity", calculation.button.data());
}

bool HasUnitWeight(const Calculation &calculation)
{
    return calculation.sized && calculation.page != Page::Plates;
}

QString InputCaption(const CalculationInput &input)
{
    return ToQString(NamingCaption(input.box));
}

QString MoneyText(double amount, QStringView separator)
{
    QString text = QString::number(amount, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text.remove(0, 1);
    return text.replace(QChar(u'.'), separator.toString());
}

QString RateFailure(const QString &rate, QStringView separator)
{
    ConversionFailure failure(rate, separator);
    failure.box = QStringLiteral("Rate");
    return failure.message();
}

namespace {

void WorkOutPage(const SheetLine &line, QStringView separator, LineResult &result)
{
    try {
        result.weight = Evaluate(*line.calculation, line.inputs, separator, line.size);
    } catch (const ConversionFailure &failure) {
        result.failure = failure.message();
        for (std::size_t i = 0; i < line.calculation->inputs.size(); ++i) {
            if (ToQString(line.calculation->inputs[i].box) == failure.control)
                result.failedInput = int(i);
        }
    } catch (const Failure &failure) {
        result.failure = failure.message();
    }
}

} // namespace

LineResult WorkOut(const SheetLine &line, const QString &sheetRate, QStringView separator, RateUnit unit)
{
    LineResult result;
    if (line.item)
        WorkOutItem(line, separator, result);
    else
        WorkOutPage(line, separator, result);

    const QString &rate = line.rate.isEmpty() ? sheetRate : line.rate;
    result.rated = !rate.isEmpty();
    if (!result.rated)
        return result;
    const std::optional<double> perUnit = ParseNumber(rate, separator);
    if (!perUnit) {
        result.rateFailure = RateFailure(rate, separator);
    } else if (result.weight) {
        // A rate per tonne applies to the weight in tonnes, as a person works it.
        const double amount
            = unit == RateUnit::PerKg ? *result.weight * *perUnit : *result.weight / KgPer(unit) * *perUnit;
        if (std::isfinite(amount))
            result.amount = amount;
        else
            result.rateFailure = ArithmeticFailure().message();
    }
    return result;
}

} // namespace msweight
