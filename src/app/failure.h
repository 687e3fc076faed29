// How a failure is shown.
#pragma once

#include <QString>

class QWidget;

namespace msweight {

// A modal critical message box titled with the window's caption.
void ShowFailure(QWidget *parent, const QString &message);

} // namespace msweight
