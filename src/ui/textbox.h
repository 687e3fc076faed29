// Text boxes that take at most MaxBoxText characters and refuse a longer
// paste, drop or key press whole, before it is taken in, telling of it with
// QLineEdit::inputRejected; nothing is ever cut.
#pragma once

class QLineEdit;
class QObject;
class QValidator;
class QWidget;

namespace msweight {

// The validator of such boxes; boxes may share one.
QValidator *NewLengthLimit(QObject *parent);

// An input box on `parent`, checked by `lengthLimit`, or by one of its own
// where that is null.
QLineEdit *NewInputBox(QWidget *parent, const QValidator *lengthLimit = nullptr);

} // namespace msweight
