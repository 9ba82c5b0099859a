#include "editor/channel_filter_model.h"

#include "editor/channel_table_model.h"

namespace ft817 {

ChannelFilterModel::ChannelFilterModel(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(ChannelTableModel::SortRole);
    // An edit that changes a row's place or whether it passes shows at once.
    setDynamicSortFilter(true);
}

void ChannelFilterModel::setText(const QString& text)
{
    m_text = text.trimmed();
    invalidateFilter();
}

void ChannelFilterModel::setActiveOnly(bool on)
{
    m_activeOnly = on;
    invalidateFilter();
}

bool ChannelFilterModel::filterAcceptsRow(int row, const QModelIndex& parent) const
{
    const QAbstractItemModel* model = sourceModel();
    if (m_activeOnly &&
        model->data(model->index(row, ChannelTableModel::Active, parent), Qt::CheckStateRole) != Qt::Checked)
        return false;
    if (m_text.isEmpty())
        return true;
    for (const int column : {ChannelTableModel::Tag, ChannelTableModel::RxFrequency})
        if (model->data(model->index(row, column, parent)).toString().contains(m_text, Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace ft817
