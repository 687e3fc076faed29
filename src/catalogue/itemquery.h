// What a text asks for, read by the rules of itemrules.h: the families it
// may name, its dimensions in order, and the material, class, mass and
// edition it names. The item parser matches this against the catalogue.
#pragma once

#include "catalogue/itemrules.h"

#include <QString>

#include <optional>
#include <vector>

namespace msweight {

struct Dimension
{
    double value = 0; // as typed: mm, or inches where `inch` is set
    QString text;     // as typed, for matching it as the start of a size: "3", "1 1/2"
    bool inch = false;

    double mm() const { return inch ? value * 25.4 : value; }
};

struct ItemQuery
{
    FamilySet families = AllFamilies;
    bool familyNamed = false; // a word, or a unit such as "NB", named the family
    std::vector<Dimension> dimensions;
    std::optional<std::uint8_t> material; // an index into MaterialWords()
    std::optional<double> density;        // kg/m3, typed
    std::optional<PipeClass> pipeClass;
    std::optional<double> massKgM; // "(27.1 kg/m)"
    bool nominalBore = false;      // the first dimension is a pipe's bore ("NB", "inch")
    bool lastIsPrefix = false;     // the last dimension is still being typed
    QString edition;               // a standard named in the text, as the catalogue writes it
    QString error;                 // why the text cannot be read; empty if it can
};

// Reads `text`. `standards` are the editions the catalogue holds, which the
// text may name anywhere ("IS 808:1964", "is808:1964"). With `typing`, the
// last number or word may be cut short: "ismb 2", "isa 50x5", "ang".
ItemQuery ReadItemQuery(QStringView text, const QStringList &standards, bool typing);

} // namespace msweight
