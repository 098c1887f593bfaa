#pragma once

#include <QtCore/QSortFilterProxyModel>

namespace vb
{

// The order of a list the planner sorts by a click on a column's header: numbers as numbers, and
// texts in their natural order, the numbers in them by value and without regard to case
// (1.2 < 1.10 < 2.1 < 10.1). Each cell is compared by its sort role.
class SortProxy final : public QSortFilterProxyModel
{
public:
    explicit SortProxy(QObject *parent = nullptr);

    // Back to the order of the model beneath, as before any click.
    void unsort();

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};

} // namespace vb
