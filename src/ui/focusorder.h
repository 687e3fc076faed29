// The tab control and its pages as the keyboard walks them: Tab follows each
// page's keyboard order, visiting every option button, and goes round the
// tabs and the page in front.
#pragma once

#include "catalogue/catalogue.h"

#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <functional>
#include <vector>

namespace msweight {

// A page whose Tab key follows its keyboard order. The toolkit's own focus
// chain lets Tab stop only once in a group of option buttons, where the
// order visits every button. A page that cycles keeps Tab within itself; from
// the ends of any other page Tab goes to the tabs (MultiPage).
class OrderedPage : public QWidget
{
public:
    OrderedPage(Page page, bool cycles)
        : m_page(page)
        , m_cycles(cycles)
    {
    }

    Page which() const { return m_page; }

    void setOrder(std::vector<QWidget *> order) { m_order = std::move(order); }
    QWidget *first() const { return m_order.front(); }
    QWidget *last() const { return m_order.back(); }

protected:
    bool focusNextPrevChild(bool next) override
    {
        const auto at = std::find(m_order.begin(), m_order.end(), focusWidget());
        if (at == m_order.end())
            return QWidget::focusNextPrevChild(next);
        auto index = std::ptrdiff_t(at - m_order.begin()) + (next ? 1 : -1);
        const auto size = std::ptrdiff_t(m_order.size());
        if (index < 0 || index >= size) {
            if (!m_cycles)
                return QWidget::focusNextPrevChild(next); // on to MultiPage
            index = (index + size) % size;
        }
        m_order[std::size_t(index)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

private:
    std::vector<QWidget *> m_order;
    Page m_page;
    bool m_cycles;
};

// The tab control. Tab goes round the tabs and the page in front, and
// Shift+Tab the same way back; bringing a page to the front makes its
// controls if need be and puts the focus in its first box, so that the user
// can type at once.
class MultiPage : public QTabWidget
{
public:
    using QTabWidget::QTabWidget;

    // From now on, with the front page's controls made.
    QMetaObject::Connection focusPagesAsTheyCome(std::function<void(Page)> make)
    {
        page()->first()->setFocus(Qt::OtherFocusReason);
        return connect(this, &QTabWidget::currentChanged, this, [this, make = std::move(make)] {
            make(page()->which());
            page()->first()->setFocus(Qt::TabFocusReason);
        });
    }

    OrderedPage *page() const { return static_cast<OrderedPage *>(currentWidget()); }

protected:
    bool focusNextPrevChild(bool next) override
    {
        QWidget *focus = window()->focusWidget();
        if (focus == tabBar()) {
            (next ? page()->first() : page()->last())->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        if (focus && page()->isAncestorOf(focus)) { // at an end of the page's order
            tabBar()->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        return QTabWidget::focusNextPrevChild(next);
    }
};

} // namespace msweight
