// The cutting planner as the window calls it.
#pragma once

#include "sheet/cutplanwindow.h"

namespace msweight {

// The program's planner, or none with why in `why`.
CutPlanWindow::Planner LoadPlanner(QString &why);

} // namespace msweight
