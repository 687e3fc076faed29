#include "sheet/planloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace msweight {

namespace {

using PlanEntry = void (*)(const CutRequest *, CutPlan *);

} // namespace

CutPlanWindow::Planner LoadPlanner(QString &why)
{
    // Beside the program as installed, and in the build tree alike.
    const QString path
        = QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(MSWEIGHT_PLAN_MODULE)));
    if (!QFileInfo::exists(path)) {
        why = QStringLiteral("The cutting planner is missing: there is no %1. Reinstall msweight.")
                  .arg(QDir::toNativeSeparators(path));
        return {};
    }
    QLibrary library(path);
    const auto entry = reinterpret_cast<PlanEntry>(library.resolve("msweight_plan_cuts"));
    if (!entry) {
        why = QStringLiteral("The cutting planner could not be loaded from %1: %2")
                  .arg(QDir::toNativeSeparators(path), library.errorString());
        return {};
    }
    // The library stays loaded for the rest of the program's life.
    return [entry](const CutRequest &request) {
        CutPlan plan;
        entry(&request, &plan);
        return plan;
    };
}

} // namespace msweight
