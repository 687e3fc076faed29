#include "catalogue/item.h"

#include "calc/calc.h"
#include "catalogue/itemrules.h"
#include "numtext/numtext.h"

namespace msweight {

namespace {

// Between an item's size and its edition or material.
constexpr QChar Dot(0x00b7);

template<class... Ts>
struct Overloaded : Ts...
{
    using Ts::operator()...;
};
// Clang 14, which builds the fuzzer, deduces no aggregate's arguments.
template<class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

QString WithEdition(const QString &size, const QString &standard)
{
    return size + u' ' + Dot + u' ' + standard;
}

bool IsMildSteel(const Material &material)
{
    const Material steel = MildSteel();
    return material.name == steel.name && material.densityKgM3 == steel.densityKgM3;
}

} // namespace

Material MildSteel()
{
    return MaterialOf(0);
}

QString DimensionText(double mm)
{
    return QString::number(mm, 'g', 15);
}

QString ShapeWord(ShapeKind kind)
{
    switch (kind) {
    case ShapeKind::Plate:
        return QStringLiteral("PL");
    case ShapeKind::Flat:
        return QStringLiteral("flat");
    case ShapeKind::RoundBar:
        return QStringLiteral("RB");
    case ShapeKind::SquareBar:
        return QStringLiteral("SQ");
    case ShapeKind::CircularHollow:
        return QStringLiteral("CHS");
    case ShapeKind::SquareHollow:
        return QStringLiteral("SHS");
    case ShapeKind::RectangularHollow:
        return QStringLiteral("RHS");
    }
    return {};
}

QString MaterialWord(const Material &material)
{
    for (const MaterialName &known : MaterialWords()) {
        const QLatin1StringView name(known.fileName.data(), qsizetype(known.fileName.size()));
        if (material.name == name
            && material.densityKgM3 == MaterialOf(std::uint8_t(&known - MaterialWords().data())).densityKgM3)
            return QLatin1StringView(known.word.data(), qsizetype(known.word.size()));
    }
    return DimensionText(material.densityKgM3) + QStringLiteral(" kg/m3");
}

QString DescribeItem(const Item &item)
{
    return std::visit(Overloaded{
                          [](const RolledSection *s) { return WithEdition(s->designation, s->standard); },
                          [](const HollowSection *s) { return WithEdition(s->designation, s->standard); },
                          [](const Flat *s) { return WithEdition(s->designation, s->standard); },
                          [](const Pipe *p) {
                              return WithEdition(
                                  QStringLiteral("%1 NB %2").arg(p->nominalBoreMm).arg(PipeClassName(p->pipeClass)),
                                  p->standard);
                          },
                          [](const ShapeItem &s) {
                              QStringList dims;
                              if (s.size.kind == ShapeKind::Plate && s.size.a != 0)
                                  dims << DimensionText(s.size.a);
                              switch (s.size.kind) {
                              case ShapeKind::RectangularHollow:
                              case ShapeKind::SquareHollow:
                                  dims << DimensionText(s.size.a) << DimensionText(s.size.b) << DimensionText(s.size.t);
                                  break;
                              case ShapeKind::Flat:
                              case ShapeKind::CircularHollow:
                                  dims << DimensionText(s.size.a) << DimensionText(s.size.t);
                                  break;
                              case ShapeKind::RoundBar:
                              case ShapeKind::SquareBar:
                                  dims << DimensionText(s.size.a);
                                  break;
                              case ShapeKind::Plate:
                                  dims << DimensionText(s.size.t);
                                  break;
                              }
                              QString text = ShapeWord(s.size.kind) + u' ' + dims.join(u'x');
                              if (!IsMildSteel(s.material))
                                  text += u' ' + Dot + u' ' + MaterialWord(s.material);
                              return text;
                          },
                      },
                      item);
}

QString ItemEdition(const Item &item)
{
    return std::visit(Overloaded{
                          [](const ShapeItem &) { return QString(); },
                          [](const auto *entry) { return entry->standard; },
                      },
                      item);
}

double ItemUnitWeight(const Item &item)
{
    return std::visit(Overloaded{
                          [](const ShapeItem &s) { return UnitWeight(s.size, s.material.densityKgM3); },
                          [](const auto *entry) { return entry->massKgM; },
                      },
                      item);
}

UnitBasis ItemUnitBasis(const Item &item)
{
    const ShapeItem *shape = std::get_if<ShapeItem>(&item);
    return shape && shape->size.kind == ShapeKind::Plate && shape->size.a == 0 ? UnitBasis::PerSquareMetre
                                                                               : UnitBasis::PerMetre;
}

double ItemWeight(const Item &item, double lengthM, double quantity, double widthM)
{
    if (ItemUnitBasis(item) == UnitBasis::PerSquareMetre) {
        const ShapeItem &plate = std::get<ShapeItem>(item);
        return Checked(PlateMass(lengthM, widthM, quantity, plate.size.t, plate.material.densityKgM3));
    }
    return SectionWeight(lengthM, quantity, ItemUnitWeight(item));
}

} // namespace msweight
