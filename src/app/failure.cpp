#include "app/failure.h"

#include "ui/builder.h"
#include "ui/layout.h"

#include <QMessageBox>

namespace msweight {

ControlFailure::ControlFailure(QString control, QString operation)
    : control(std::move(control))
    , operation(std::move(operation))
{
}

QString ControlFailure::Message() const
{
    return QStringLiteral("%1: the control \"%2\" cannot be reached.").arg(operation, control);
}

NoSelectionFailure::NoSelectionFailure(QString page, QString control)
    : page(std::move(page))
    , control(std::move(control))
{
}

QString NoSelectionFailure::Message() const
{
    return QStringLiteral("Choose a size on the \"%1\" page first.").arg(page);
}

void ShowFailure(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, ToQString(WindowCaption), message);
}

} // namespace msweight
