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

#include <memory>

// A number written with a '.' as the user's locale writes it.
inline QString Localized(QString number)
{
    return number.replace(u'.', QLocale::system().decimalPoint());
}

class FormFixture
{
public:
    FormFixture()
    {
        msweight::PrepareApplication();
        form = std::make_unique<msweight::UserForm1>();
        form->setFailureReporter([this](const QString &message) { failures << message; });
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the window was not exposed");
    }

    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        T *widget = form->findChild<T *>(name);
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

    QString text(const QString &name) const
    {
        if (auto *box = form->findChild<QLineEdit *>(name))
            return box->text();
        return control<QLabel>(name)->text();
    }

    std::unique_ptr<msweight::UserForm1> form;
    QStringList failures;
};
