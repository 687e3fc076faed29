#include "ui/textbox.h"

#include "numtext/numtext.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

#include <limits>

namespace msweight {

namespace {

// Refuses a text longer than a box takes, whatever way it comes in.
class LengthLimit : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override { return input.size() > MaxBoxText ? Invalid : Acceptable; }
};

// An input box that weighs a paste before it takes it in. The validator
// alone would refuse an over-long paste too, but only after the box had
// inserted it with an undo step for every character: seconds and a gigabyte
// for a paste of some megabytes.
class GuardedBox : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Paste) && !fits(QClipboard::Clipboard))
            return refuse(event);
        QLineEdit::keyPressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
            && !fits(QClipboard::Selection))
            return refuse(event);
        QLineEdit::mouseReleaseEvent(event);
    }

    void dropEvent(QDropEvent *event) override
    {
        if (fits(event->mimeData()->text().size()))
            QLineEdit::dropEvent(event);
        else
            refuse(event);
    }

    void contextMenuEvent(QContextMenuEvent *event) override
    {
        QMenu *menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // The menu's Paste, known by the toolkit's own caption for it.
        for (QAction *action : menu->actions()) {
            if (action->text().section(u'\t', 0, 0) != QLineEdit::tr("&Paste"))
                continue;
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] {
                if (fits(QClipboard::Clipboard))
                    paste();
                else
                    emit inputRejected();
            });
        }
        menu->popup(event->globalPos());
    }

private:
    bool fits(QClipboard::Mode mode) const { return fits(QGuiApplication::clipboard()->text(mode).size()); }
    bool fits(qsizetype pasted) const { return text().size() - selectedText().size() + pasted <= MaxBoxText; }

    void refuse(QEvent *event)
    {
        event->accept();
        emit inputRejected();
    }
};

} // namespace

QValidator *NewLengthLimit(QObject *parent)
{
    return new LengthLimit(parent);
}

QLineEdit *NewInputBox(QWidget *parent, const QValidator *lengthLimit)
{
    auto *box = new GuardedBox(parent);
    // The limit is the validator's, which refuses an over-long paste whole;
    // the toolkit's own would cut it without a word.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setValidator(lengthLimit ? lengthLimit : new LengthLimit(box));
    return box;
}

} // namespace msweight
