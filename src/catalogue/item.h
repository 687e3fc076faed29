// An item a sheet line weighs: an entry of the steel catalogue, or a shape by
// its dimensions in a material. An item is a small value: a catalogue entry
// is a pointer into SteelTables(), valid for the life of the program, so a
// line can keep the item itself, and a file can keep DescribeItem's text,
// which the item parser reads back as the same item.
#pragma once

#include "calc/shapes.h"
#include "catalogue/steeltables.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <variant>

namespace msweight {

// A shape in a material: a material of the densities file by its name there,
// or a density the user typed (the name then empty).
struct ShapeItem
{
    ShapeSize size;
    Material material = {};

    friend bool operator==(const ShapeItem &a, const ShapeItem &b)
    {
        return a.size == b.size && a.material.name == b.material.name
            && a.material.densityKgM3 == b.material.densityKgM3;
    }
};

using Item = std::variant<const RolledSection *, const HollowSection *, const Pipe *, const Flat *, ShapeItem>;

enum class UnitBasis : std::uint8_t { PerMetre, PerSquareMetre };

// Mild steel as the densities file names it; a shape is in it unless told.
Material MildSteel();

// The text that names the item, which the item parser reads back as the same
// item: "ISMB 200 · IS 808:1989", "ISHB 150 (27.1 kg/m) · IS 808:1964",
// "40 NB medium · IS 1239 (Part 1):2004", "PL 3 · SS304", "RB 20",
// "flat 40x5 · aluminium", "PL 3 · 7900 kg/m3".
QString DescribeItem(const Item &item);

// The standard and edition, "IS 808:1989"; empty for a shape.
QString ItemEdition(const Item &item);

// Kg per metre; for a plate without a width kg per square metre. Catalogue
// entries weigh as their table prints; shapes by their section and density.
double ItemUnitWeight(const Item &item);
UnitBasis ItemUnitBasis(const Item &item);

// The weight of `quantity` pieces `lengthM` long in kg: (length x quantity) x
// unit weight, as the section pages weigh; a plate weighed per square metre
// takes `widthM` too and weighs as the "PL." page does. Throws
// ArithmeticFailure where a step overflows.
double ItemWeight(const Item &item, double lengthM, double quantity, double widthM = 0);

// The short word for a material in texts ("SS304", "aluminium"); the typed
// density ("7900 kg/m3") for a material that is not in the densities file.
QString MaterialWord(const Material &material);

// Shapes' words in texts: "PL", "flat", "RB", "SQ", "CHS", "SHS", "RHS".
QString ShapeWord(ShapeKind kind);

// A dimension as texts write it: shortest form, "." decimals, "3.2", "40".
QString DimensionText(double mm);

} // namespace msweight

Q_DECLARE_METATYPE(msweight::Item)
