#include "sheet/lineproperties.h"

#include <QStringList>

namespace msweight {

namespace {

QString Figure(const char *name, double value, const char *unit)
{
    return QStringLiteral("%1 %2 %3").arg(QLatin1String(name), QString::number(value, 'g', 15), QLatin1String(unit));
}

void Optional(QStringList &parts, const char *name, const std::optional<double> &value, const char *unit)
{
    if (value)
        parts << Figure(name, *value, unit);
}

QString Rolled(const RolledSection &s)
{
    QStringList size{Figure("D", s.depthMm, "mm"), Figure("B", s.widthMm, "mm"), Figure("t", s.webMm, "mm")};
    if (s.flangeMm)
        size.last() = Figure("tw", s.webMm, "mm");
    Optional(size, "tf", s.flangeMm, "mm");
    QStringList properties{Figure("A", s.areaCm2, "cm2")};
    Optional(properties, "Ixx", s.ixxCm4, "cm4");
    Optional(properties, "Iyy", s.iyyCm4, "cm4");
    Optional(properties, "rxx", s.rxxCm, "cm");
    Optional(properties, "ryy", s.ryyCm, "cm");
    Optional(properties, "Zxx", s.zxxCm3, "cm3");
    Optional(properties, "Zyy", s.zyyCm3, "cm3");
    Optional(properties, "Cxx", s.cxxCm, "cm");
    Optional(properties, "Cyy", s.cyyCm, "cm");
    QString text = size.join(QStringLiteral(", ")) + QStringLiteral("; ") + properties.join(QStringLiteral(", "));
    if (!s.editionNote.isEmpty())
        text += QStringLiteral(". ") + s.editionNote;
    return text;
}

} // namespace

QString PropertiesText(const Item &item)
{
    if (const auto *rolled = std::get_if<const RolledSection *>(&item))
        return Rolled(**rolled);
    if (const auto *hollow = std::get_if<const HollowSection *>(&item)) {
        const HollowSection &s = **hollow;
        return QStringList{Figure("A", s.areaCm2, "cm2"), Figure("Ixx", s.ixxCm4, "cm4"),
                           Figure("Iyy", s.iyyCm4, "cm4"), Figure("Zxx", s.zxxCm3, "cm3"),
                           Figure("Zyy", s.zyyCm3, "cm3")}
            .join(QStringLiteral(", "));
    }
    if (const auto *pipe = std::get_if<const Pipe *>(&item)) {
        const Pipe &p = **pipe;
        return QStringList{Figure("OD", p.odMm, "mm"), Figure("t", p.thicknessMm, "mm"),
                           Figure("screwed and socketed", p.massScrewedSocketedKgM, "kg/m")}
            .join(QStringLiteral(", "));
    }
    if (const auto *shape = std::get_if<ShapeItem>(&item)) {
        QString text = Figure("density", shape->material.densityKgM3, "kg/m3");
        if (const double area = ShapeArea(shape->size); area > 0)
            text = Figure("A", area / 100, "cm2") + QStringLiteral(", ") + text;
        return text;
    }
    return {};
}

} // namespace msweight
