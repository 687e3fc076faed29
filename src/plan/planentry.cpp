// The planner's one entry point in the module that the window loads on first
// use (sheet/planloader.cpp). The types are those of plan/cutplan.h, compiled
// into both sides by the same compiler against the same Qt.
#include "plan/cutplan.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT void msweight_plan_cuts(const msweight::CutRequest *request, msweight::CutPlan *plan)
{
    *plan = msweight::PlanCuts(*request);
}
