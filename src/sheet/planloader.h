// The cutting planner as the window calls it: a module of its own, loaded on
// first use. The planner links COIN-OR CLP, which with LAPACK, BLAS and
// Fortran's runtime cost the program 8% of its start-up when linked plainly
// (bench/startup.sh, docs/cutting-window.md); loaded here, a program that
// never plans cuts does not pay for them.
#pragma once

#include "sheet/cutplanwindow.h"

namespace msweight {

// The planner from libmsweight_plan.so beside the program, or none, with
// why, naming the file, in `why`.
CutPlanWindow::Planner LoadPlanner(QString &why);

} // namespace msweight
