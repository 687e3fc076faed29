#include "app/failure.h"

#include "ui/builder.h"
#include "ui/layout.h"

#include <QMessageBox>

namespace msweight {

NoSelectionFailure::NoSelectionFailure(QString page, QString firstSize)
    : page(std::move(page))
{
    control = std::move(firstSize);
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
