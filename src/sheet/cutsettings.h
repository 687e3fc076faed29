// A cutting group's settings as the estimator types them, kept between
// sessions in QSettings under the group's key, and the planner's request
// made from them.
#pragma once

#include "sheet/cutgroups.h"

#include <variant>

namespace msweight {

struct CutSettings
{
    // Stock lengths in m, each with an optional count: "12, 6", "12 x 4; 6".
    QString stock;
    // Offcuts in stock in m with their counts, used first: "3.5 x 2, 2.2".
    QString offcuts;
    QString kerfMm;     // the saw's kerf in mm
    QString minOffcutM; // the shortest offcut worth keeping, in m
    QString timeLimitS; // the search's limit for the group, in s

    bool operator==(const CutSettings &) const = default;
};

// Rolled sections 12 m, the rest 6 m; 3 mm kerf, 0.5 m, 2 s, written with
// `separator`.
CutSettings DefaultCutSettings(CutKind kind, QStringView separator);

// The group's settings as last saved, else the defaults of its kind.
CutSettings LoadCutSettings(const CutGroup &group, QStringView separator);
void SaveCutSettings(const CutGroup &group, const CutSettings &settings, QStringView separator);

// The request for the group's pieces, or why the settings do not make one,
// naming the box: "Stock lengths: "12, x" is not a list of lengths in m."
// Lists are separated by ";" and, where the decimal separator is not a
// comma, also by ",".
std::variant<CutRequest, QString> MakeCutRequest(const CutGroup &group, const CutSettings &settings,
                                                 QStringView separator);

} // namespace msweight
