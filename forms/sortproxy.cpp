#include "forms/sortproxy.h"

#include "core/naturalorder.h"

namespace vb
{

SortProxy::SortProxy(QObject *parent) : QSortFilterProxyModel(parent) {}

void SortProxy::unsort()
{
    sort(-1);
}

bool SortProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double)
        return a.toDouble() < b.toDouble();
    return naturalCompare(a.toString(), b.toString()) < 0;
}

} // namespace vb
