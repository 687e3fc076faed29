// Makes the window's tab control, pages and controls from the layout tables.
#pragma once

#include "ui/layout.h"
#include "ui/look.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <unordered_map>

class QTabWidget;

namespace msweight {

// The window's controls by name; the names are the layout table's own.
using ControlMap = std::unordered_map<std::string_view, QWidget *>;

// The window's tab control and pages, and each page's controls, made from
// `table` when the page first comes to the front or one of its controls is
// asked for: the pages in front at start hold a seventh of the controls.
class Form
{
public:
    // Makes MultiPage1 with its eight pages inside `window`, sized to the
    // fixed client area, with the "ISMB" page in front, its controls made and
    // the focus in its first box, and gives `window` the light colours the
    // layout is drawn for, whatever the desktop's. A name the tables use but
    // do not define stops the program, naming it. `table` must outlive the
    // form, and the form must go before `window`'s children do.
    explicit Form(QWidget *window, std::span<const ControlSpec> table = Controls());
    ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    QTabWidget *multiPage() const;
    // The page in front.
    Page front() const;
    // The controls made so far, by object name.
    const ControlMap &controls() const;
    bool made(Page page) const;
    // Makes the controls of `page` unless they are made, with their fonts,
    // colours, buddies and keyboard order, and tells the function set with
    // whenPageMade.
    void makePage(Page page);
    // The control named `name`, its page made first; null where the table
    // has none.
    QWidget *control(std::string_view name);
    // Told of each page whose controls are made from now on, before the
    // page is shown.
    void whenPageMade(std::function<void(Page)> told);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

QWidget *ResolveControl(const ControlMap &controls, std::string_view name, const char *kind, bool (*isKind)(QWidget *));

// The control named `name`, of the kind `Control`; a control missing from
// the window is a programming error, and stops the program naming it.
template<typename Control>
Control *Resolve(const ControlMap &controls, std::string_view name)
{
    return static_cast<Control *>(
        ResolveControl(controls, name, Control::staticMetaObject.className(),
                       [](QWidget *widget) { return qobject_cast<Control *>(widget) != nullptr; }));
}

} // namespace msweight
