// A cutting group's settings kept between sessions in QSettings under the
// group's key, as the defaults of a sheet that has none for the group, and
// the planner's request made from them.
#pragma once

#include "sheet/cutgroups.h"
#include "sheet/cutsettingstext.h"

#include <variant>

namespace msweight {

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
