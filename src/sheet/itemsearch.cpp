#include "sheet/itemsearch.h"

#include "numtext/numtext.h"
#include "ui/textbox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace msweight {

void ItemMatches::search(const QString &text, const ParseOptions &options)
{
    beginResetModel();
    m_none.clear();
    m_matches.clear();
    if (!text.trimmed().isEmpty()) {
        m_matches = SearchItems(text, options);
        if (m_matches.empty())
            m_none = text.trimmed();
    }
    endResetModel();
}

const ItemMatch *ItemMatches::match(int row) const
{
    return row >= 0 && row < int(m_matches.size()) ? &m_matches[std::size_t(row)] : nullptr;
}

int ItemMatches::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_none.isEmpty() ? int(m_matches.size()) : 1;
}

QVariant ItemMatches::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (!m_none.isEmpty())
        return QStringLiteral("No item matches %1").arg(QuotedForMessage(m_none));
    const ItemMatch *found = match(index.row());
    if (!found)
        return {};
    return QStringLiteral("%1 \u2013 %2 %3")
        .arg(found->display, NumberToText(found->unitWeight),
             found->basis == UnitBasis::PerMetre ? QStringLiteral("kg/m") : QStringLiteral("kg/m2"));
}

Qt::ItemFlags ItemMatches::flags(const QModelIndex &index) const
{
    // The row that says nothing matches cannot be chosen.
    return m_none.isEmpty() ? QAbstractListModel::flags(index) : Qt::ItemFlags();
}

ItemSearch::ItemSearch(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    m_box = NewInputBox(this);
    m_box->setObjectName(QStringLiteral("ItemSearch"));
    m_box->setAccessibleName(QStringLiteral("Find an item"));
    m_box->setPlaceholderText(QStringLiteral("ISMB 200, 50x50x6, 40 NB medium, SS304 plate 3"));
    m_box->setClearButtonEnabled(true);
    m_box->installEventFilter(this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("ItemMatches"));
    m_list->setAccessibleName(QStringLiteral("Items found"));
    m_list->setModel(&m_matches);
    m_list->setUniformItemSizes(true); // a search lists many; none is measured
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setFixedHeight(m_list->fontMetrics().height() * 7);
    layout->addWidget(m_box);
    layout->addWidget(m_list);

    connect(m_box, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_matches.search(text, m_options);
        if (m_matches.match(0))
            m_list->setCurrentIndex(m_matches.index(0));
    });
    connect(m_list, &QListView::activated, this, &ItemSearch::choose);
    connect(m_list, &QListView::clicked, this, &ItemSearch::choose);
}

void ItemSearch::setOptions(const ParseOptions &options)
{
    m_options = options;
    m_matches.search(m_box->text(), m_options);
}

// Up and Down walk the list while the focus stays in the box; Enter chooses.
bool ItemSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const int row = m_list->currentIndex().isValid() ? m_list->currentIndex().row() : 0;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int step = key->key() == Qt::Key_Up ? -1
            : key->key() == Qt::Key_Down          ? 1
            : key->key() == Qt::Key_PageUp        ? -6
                                                  : 6;
        const int to = std::clamp(row + step, 0, std::max(0, m_matches.rowCount() - 1));
        if (m_matches.match(to))
            m_list->setCurrentIndex(m_matches.index(to));
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose(m_matches.index(row));
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void ItemSearch::choose(const QModelIndex &index)
{
    const ItemMatch *found = m_matches.match(index.row());
    if (!found)
        return; // nothing matches: the list says so
    const Item item = found->item;
    m_box->clear();
    emit chosen(item);
}

} // namespace msweight
