#include "sheet/cutgroups.h"

#include "numtext/numtext.h"
#include "sheet/itemline.h"

#include <QHash>

#include <cmath>
#include <limits>

namespace msweight {

namespace {

// What a line is cut from, where it is cut at all.
struct CutSource
{
    CutKind kind;
    QString item;
    QString size;
    QString edition;
    QString material;
    double kgPerMetre;
};

// A catalogue section, pipe, hollow or flat, or a bar, flat or hollow shape
// in a material; plates are not cut to length.
std::optional<CutSource> ItemSource(const SheetLine &line)
{
    const Item &item = *line.item;
    CutKind kind = CutKind::RolledSection;
    if (std::holds_alternative<const HollowSection *>(item)) {
        kind = CutKind::Hollow;
    } else if (std::holds_alternative<const Pipe *>(item)) {
        kind = CutKind::Pipe;
    } else if (std::holds_alternative<const Flat *>(item)) {
        kind = CutKind::Flat;
    } else if (const auto *shape = std::get_if<ShapeItem>(&item)) {
        switch (shape->size.kind) {
        case ShapeKind::Plate:
            return std::nullopt;
        case ShapeKind::Flat:
            kind = CutKind::Flat;
            break;
        case ShapeKind::RoundBar:
        case ShapeKind::SquareBar:
            kind = CutKind::Bar;
            break;
        case ShapeKind::CircularHollow:
        case ShapeKind::SquareHollow:
        case ShapeKind::RectangularHollow:
            kind = CutKind::Hollow;
            break;
        }
    }
    // The designation alone: the edition and the material are the group's too.
    const QString size = DescribeItem(item).section(QStringLiteral(" · "), 0, 0);
    return CutSource{kind, KindName(KindOf(line)), size, LineEdition(line), LineMaterial(line), ItemUnitWeight(item)};
}

// The pages' section tables are those of the 1964 edition; their bars have
// none.
std::optional<CutSource> SourceOf(const SheetLine &line)
{
    if (line.item)
        return ItemSource(line);
    if (!line.calculation || !line.size)
        return std::nullopt;
    const QString item = ToQString(line.calculation->item);
    const QString size = ToQString(line.size->Caption);
    const QString steel = QStringLiteral("steel");
    switch (line.calculation->page) {
    case Page::Channels:
    case Page::Beams:
    case Page::Angles:
        return CutSource{CutKind::RolledSection, item, size, QStringLiteral("IS 808:1964"), steel, line.size->Value};
    case Page::SquareBars:
    case Page::RoundBars:
        return CutSource{CutKind::Bar, item, size, {}, steel, line.size->Value};
    default:
        return std::nullopt; // plates, flanges, transition pieces: no cut length
    }
}

const QString *InputOf(const SheetLine &line, Field field)
{
    for (std::size_t i = 0; i < line.inputs.size(); ++i) {
        if (InputField(line, i) == field)
            return &line.inputs[i];
    }
    return nullptr;
}

QString LineFault(const JobSheet &sheet, int row, const QString &own)
{
    const QString &failure = sheet.result(row).failure;
    return QStringLiteral("Line %1: %2").arg(row + 1).arg(failure.isEmpty() ? own : failure);
}

// The piece a line gives, or why it gives none; no piece for no quantity.
std::optional<CutPiece> PieceOf(const JobSheet &sheet, int row, QString &fault)
{
    const SheetLine &line = sheet.line(row);
    const QString *lengthText = InputOf(line, Field::Length);
    const QString *quantityText = InputOf(line, Field::Quantity);
    const QString separator = sheet.separator();
    const std::optional<double> quantity = ParseNumber(*quantityText, separator);
    if (!quantity) {
        fault = LineFault(sheet, row, {});
        return std::nullopt;
    }
    if (*quantity != std::floor(*quantity) || *quantity < 0 || *quantity > std::numeric_limits<int>::max()) {
        fault = QStringLiteral("Line %1: the quantity %2 is not a whole number of pieces.")
                    .arg(row + 1)
                    .arg(*quantityText);
        return std::nullopt;
    }
    if (*quantity == 0)
        return std::nullopt;
    const std::optional<Micrometres> length = ToMicrometres(*lengthText, separator, MicrometresPerMetre);
    if (!length) {
        fault = LineFault(sheet, row, QStringLiteral("the length %1 is beyond what can be cut.").arg(*lengthText));
        return std::nullopt;
    }
    if (*length <= 0) {
        fault = QStringLiteral("Line %1: the length %2 is not more than 0 m.").arg(row + 1).arg(*lengthText);
        return std::nullopt;
    }
    return CutPiece{*length, int(*quantity), line.mark.isEmpty() ? QStringLiteral("L%1").arg(row + 1) : line.mark};
}

} // namespace

namespace {

QString Key(CutKind kind, const QString &item, const QString &size, const QString &edition, const QString &material)
{
    return QStringList{QString::number(int(kind)), item, size, edition, material}.join(u'|');
}

} // namespace

QString CutGroup::key() const
{
    return Key(kind, item, size, edition, material);
}

std::optional<QString> CutGroupKey(const SheetLine &line)
{
    const std::optional<CutSource> source = SourceOf(line);
    if (!source)
        return std::nullopt;
    return Key(source->kind, source->item, source->size, source->edition, source->material);
}

QString CutGroup::title() const
{
    QString text = item + u' ' + size;
    if (!edition.isEmpty())
        text += QStringLiteral(" · ") + edition;
    if (material != QLatin1String("steel"))
        text += QStringLiteral(" · ") + material;
    return text;
}

CutGrouping CutGroups(const JobSheet &sheet)
{
    CutGrouping grouping;
    QHash<QString, std::size_t> byKey;
    for (int row = 0; row < sheet.rowCount(); ++row) {
        const SheetLine &line = sheet.line(row);
        const std::optional<CutSource> source = SourceOf(line);
        if (!source) {
            grouping.leftOut << row;
            continue;
        }
        CutGroup group;
        group.kind = source->kind;
        group.item = source->item;
        group.size = source->size;
        group.edition = source->edition;
        group.material = source->material;
        group.kgPerMetre = source->kgPerMetre;
        const QString rate = line.rate.isEmpty() ? sheet.sheetRate() : line.rate;
        const QString key = group.key();
        if (!byKey.contains(key)) {
            byKey.insert(key, grouping.groups.size());
            group.rate = rate;
            grouping.groups.push_back(std::move(group));
        }
        CutGroup &into = grouping.groups[byKey.value(key)];
        if (!into.rateDiffers && into.rate != rate) {
            into.rateDiffers = true;
            into.rate.clear();
        }
        QString fault;
        if (const std::optional<CutPiece> piece = PieceOf(sheet, row, fault)) {
            into.pieces << *piece;
            into.rows << row;
        } else if (!fault.isEmpty()) {
            into.faults << fault;
        }
    }
    return grouping;
}

std::optional<Micrometres> ToMicrometres(QStringView text, QStringView separator, Micrometres unit)
{
    if (!ParseNumber(text, separator))
        return std::nullopt;
    // The grammar is the boxes': blanks, a sign, digits with one separator,
    // an exponent. The value is digits x 10^scale.
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        text = text.mid(1);
    }
    QString digits;
    int scale = 0;
    bool fraction = false;
    qsizetype i = 0;
    for (; i < text.size(); ++i) {
        if (text.mid(i).startsWith(separator)) {
            fraction = true;
            i += separator.size() - 1;
        } else if (text[i].isDigit()) {
            digits += text[i];
            scale -= fraction ? 1 : 0;
        } else {
            break;
        }
    }
    if (i < text.size()) { // the exponent, held within reach of any digits' count
        const qsizetype at = i + 1;
        const bool down = text[at] == u'-';
        long exponent = 0;
        for (qsizetype j = (text[at] == u'-' || text[at] == u'+') ? at + 1 : at; j < text.size(); ++j)
            exponent = std::min(exponent * 10 + text[j].digitValue(), 100'000L);
        scale += int(down ? -exponent : exponent);
    }
    for (Micrometres u = unit; u > 1; u /= 10)
        ++scale;

    while (digits.size() > 1 && digits[0] == u'0')
        digits.remove(0, 1);
    if (digits == QLatin1String("0"))
        return 0;
    // Whole digits, then the first digit dropped rounds.
    const qsizetype whole = digits.size() + scale;
    if (whole > 19)
        return std::nullopt;
    Micrometres value = 0;
    constexpr Micrometres Most = std::numeric_limits<Micrometres>::max();
    for (qsizetype d = 0; d < std::max<qsizetype>(whole, 0); ++d) {
        const int digit = d < digits.size() ? digits[d].digitValue() : 0;
        if (value > (Most - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    if (whole >= 0 && whole < digits.size() && digits[whole].digitValue() >= 5)
        ++value;
    return negative ? -value : value;
}

QString MetresText(Micrometres length, QStringView separator)
{
    // To the tenth of a millimetre, halves away from zero.
    const Micrometres tenths = (length >= 0 ? length + 50 : length - 50) / 100;
    return NumberToText(double(tenths) / 10'000, separator);
}

} // namespace msweight
