// The failures that only the window can meet, and how a failure is shown.
#pragma once

#include "numtext/numtext.h"

class QWidget;

namespace msweight {

// A control could not be reached by its name.
class ControlFailure : public Failure
{
public:
    ControlFailure(QString control, QString operation);
    QString Message() const override;

    QString control;
    QString operation;
};

// A page's button was pressed before a size was chosen on that page.
class NoSelectionFailure : public Failure
{
public:
    explicit NoSelectionFailure(QString page, QString control = {});
    QString Message() const override;

    QString page;
    QString control; // the page's first size, where the window puts the focus
};

// A modal critical message box titled with the window's caption.
void ShowFailure(QWidget *parent, const QString &message);

} // namespace msweight
