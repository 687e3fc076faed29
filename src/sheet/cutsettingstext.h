// A cutting group's settings as the estimator types them: what the sheet
// keeps for each group, its file writes, and the cutting plan's window shows.
#pragma once

#include <QString>

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

} // namespace msweight
