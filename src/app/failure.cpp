#include "app/failure.h"

#include "ui/layout.h"

#include <QMessageBox>

namespace msweight {

void ShowFailure(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, ToQString(WindowCaption), message);
}

} // namespace msweight
