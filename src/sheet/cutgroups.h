// The job sheet's lines as the cutting planner takes them: one group for each
// rolled section, bar, flat, pipe or hollow size of one edition and
// material, from the pages' lines and the catalogue's and shapes' alike, its
// pieces in whole micrometres converted from the text the estimator typed.
// Lines without a cut length (plates, flanges, transition pieces) are left
// out, and said to be.
#pragma once

#include "plan/cutplan.h"
#include "sheet/jobsheet.h"

#include <optional>
#include <vector>

namespace msweight {

// What is on sale by default, and in which lengths: rolled sections in 12 m,
// the rest in 6 m.
enum class CutKind : std::uint8_t { RolledSection, Bar, Flat, Pipe, Hollow };

struct CutGroup
{
    CutKind kind = CutKind::RolledSection;
    QString item;     // "ISMC channel", "Round bar"; an item's kind, "Beam"
    QString size;     // "MC - 75 x 40", "ISMB 200"
    QString edition;  // "IS 808:1964"; empty where the size has none
    QString material; // "steel"
    double kgPerMetre = 0;
    QList<CutPiece> pieces; // one a line, marked by the line's mark or its number ("L3")
    QList<int> rows;        // the sheet's row of each piece
    // The rate per kg that all its lines take (their own or the sheet's), as
    // typed; empty where none applies or they differ (rateDiffers).
    QString rate;
    bool rateDiffers = false;
    // Why the group cannot be planned: a line's length or quantity that does
    // not convert, "Line 3: LENGTH (in Meter): "abc" is not a number."
    QStringList faults;

    // Where its settings are kept: kind, size, edition and material.
    QString key() const;
    // "ISMC channel MC - 75 x 40 · IS 808:1964"
    QString title() const;
};

struct CutGrouping
{
    std::vector<CutGroup> groups; // in the order of their first line
    QList<int> leftOut;           // rows with no cut length
};

// Lines that have a length and a quantity grouped by size. A line whose
// length does not convert to micrometres or whose quantity is not a whole
// number puts a fault on its group; a quantity of 0 gives no pieces.
CutGrouping CutGroups(const JobSheet &sheet);

// The key of the group `line` belongs to (CutGroup::key()); nothing for a
// line without a cut length.
std::optional<QString> CutGroupKey(const SheetLine &line);

// A decimal text, read with `separator` as the boxes read numbers, in whole
// micrometres of `unit` (MicrometresPerMetre, MicrometresPerMillimetre),
// exactly from its digits, rounded to the nearest micrometre (halves away
// from zero). Nothing when the text is not a number or is beyond 64 bits.
std::optional<Micrometres> ToMicrometres(QStringView text, QStringView separator, Micrometres unit);

// Micrometres as metres with at most four decimals: "12", "0.0375".
QString MetresText(Micrometres length, QStringView separator);

} // namespace msweight
