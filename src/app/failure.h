// The failures that only the window can meet, and how a failure is shown.
#pragma once

#include "numtext/numtext.h"

class QWidget;

namespace msweight {

// A page's button was pressed before a size was chosen on that page.
class NoSelectionFailure : public Failure
{
public:
    // `firstSize`: the page's first option button, where the focus goes.
    NoSelectionFailure(QString page, QString firstSize);
    QString Message() const override;

    QString page;
};

// A modal critical message box titled with the window's caption.
void ShowFailure(QWidget *parent, const QString &message);

} // namespace msweight
