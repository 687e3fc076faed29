// The sheet window's search box: what an estimator types, read by the item
// parser as it is typed, the matches listed under the box best first with
// their edition and unit weight. Enter or a click chooses one. The catalogue
// is read the first time something is typed.
#pragma once

#include "catalogue/itemparser.h"

#include <QAbstractListModel>
#include <QWidget>

class QLineEdit;
class QListView;

namespace msweight {

// The matches of a text, or one row that says nothing matches.
class ItemMatches : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void search(const QString &text, const ParseOptions &options);
    const ItemMatch *match(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    std::vector<ItemMatch> m_matches;
    QString m_none; // the text that matched nothing
};

class ItemSearch : public QWidget
{
    Q_OBJECT

public:
    explicit ItemSearch(QWidget *parent = nullptr);

    QLineEdit *box() const { return m_box; }
    void setOptions(const ParseOptions &options);

signals:
    void chosen(const Item &item);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose(const QModelIndex &index);

    QLineEdit *m_box;
    QListView *m_list;
    ItemMatches m_matches;
    ParseOptions m_options;
};

} // namespace msweight
