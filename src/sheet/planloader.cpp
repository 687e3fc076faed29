#include "sheet/planloader.h"

namespace msweight {

CutPlanWindow::Planner LoadPlanner(QString &)
{
    return [](const CutRequest &request) { return PlanCuts(request); };
}

} // namespace msweight
