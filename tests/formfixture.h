// One fixture for the window's suites: a fresh UserForm1 shown offscreen,
// with failure reports captured instead of shown, driven by object name
// through real mouse clicks and key presses.
#pragma once

#include "app/userform1.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <clocale>
#include <memory>

// A number written with a '.' as the user's locale writes it.
inline QString Localized(QString number)
{
    return number.replace(u'.', QLocale::system().decimalPoint());
}

// A run pinned to a locale names the separator it expects. Qt reads the
// locale from the environment by itself, but the C library has it only when
// it is generated; a run whose locale is missing must fail, not quietly run
// with the C library's '.'.
inline void CheckExpectedSeparator()
{
    const QString expected = qEnvironmentVariable("MSWEIGHT_EXPECT_SEPARATOR");
    if (expected.isEmpty())
        return;
    const QString qt = QLocale::system().decimalPoint();
    const QString c = QString::fromLocal8Bit(std::localeconv()->decimal_point);
    if (qt != expected || c != expected)
        qFatal("expected the decimal separator \"%s\", but Qt's locale %s gives \"%s\" and the C library's %s \"%s\": "
               "is the locale generated?",
               qPrintable(expected), qPrintable(QLocale::system().name()), qPrintable(qt),
               std::setlocale(LC_NUMERIC, nullptr), qPrintable(c));
}

class FormFixture
{
public:
    FormFixture()
    {
        CheckExpectedSeparator();
        msweight::PrepareApplication();
        form = std::make_unique<msweight::UserForm1>();
        form->setFailureReporter([this](const QString &message) { failures << message; });
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the window was not exposed");
    }

    // The control, its page's controls made if they are not yet; or any other
    // widget of the window by name (MultiPage1, Page2).
    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        const QByteArray latin1 = name.toLatin1();
        QWidget *found = form->control(std::string_view(latin1.data(), std::size_t(latin1.size())));
        T *widget = found ? qobject_cast<T *>(found) : form->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    QTabWidget *multiPage() const { return control<QTabWidget>(QStringLiteral("MultiPage1")); }

    // Brings the page that holds `name` to the front by clicking its tab.
    void showPageOf(const QString &name) const
    {
        QTabWidget *pages = multiPage();
        QWidget *widget = control(name);
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(widget) && pages->currentIndex() != i) {
                QTabBar *tabs = pages->tabBar();
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
            }
        }
    }

    void click(const QString &name) const
    {
        showPageOf(name);
        auto *button = control<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    // Replaces the box's text by typing, as a user would.
    void type(const QString &name, const QString &text) const
    {
        showPageOf(name);
        auto *box = control<QLineEdit>(name);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    // Types each number of `inputs` (box, number, box, number ...) into its
    // box as the user's locale writes it.
    void typeNumbers(const QStringList &inputs) const
    {
        for (qsizetype i = 0; i + 1 < inputs.size(); i += 2)
            type(inputs[i], Localized(inputs[i + 1]));
    }

    QString text(const QString &name) const
    {
        if (auto *box = qobject_cast<QLineEdit *>(control(name)))
            return box->text();
        return control<QLabel>(name)->text();
    }

    std::unique_ptr<msweight::UserForm1> form;
    QStringList failures;
};
