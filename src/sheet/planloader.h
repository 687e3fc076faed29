// The cutting planner as the window calls it: a module of its own, loaded on
// first use. The planner links COIN-OR CLP, which with LAPACK, BLAS and
// Fortran's runtime took the window's start-up from 21.9 to 24.0 ms (+9.4%)
// when linked plainly, and a module took off 8.1% against the plain link
// (bench/startup.sh taking turns, Qt 6.4, 2 shared cores; figures in
// docs/cutting-window.md). A program that never plans cuts does not load
// them.
#pragma once

#include "sheet/cutplanwindow.h"

namespace msweight {

// The planner from libmsweight_plan.so beside the program, or none, with
// why, naming the file, in `why`.
CutPlanWindow::Planner LoadPlanner(QString &why);

} // namespace msweight
