#include "editor/channel_item_delegate.h"

#include "editor/channel_table_model.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace ft817 {
namespace {

constexpr const char* kPicked = "ft817Picked";

bool typedColumn(int column)
{
    return column == ChannelTableModel::Tone || column == ChannelTableModel::DcsCode;
}

} // namespace

QWidget* ChannelItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    const QStringList entries = index.data(ChannelTableModel::ChoicesRole).toStringList();
    if (entries.isEmpty())
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* list = new QComboBox(parent);
    list->addItems(entries);
    list->setMaxVisibleItems(16);
    // Tones and codes are typed as they read ("88.5", "023") at any speed, not
    // found letter by letter; what is typed is looked up when Enter is pressed.
    if (typedColumn(index.column())) {
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
    }
    // Picking an entry stores it at once.
    auto* self = const_cast<ChannelItemDelegate*>(this);
    connect(list, &QComboBox::activated, self, [self, list] { self->listPicked(list); });
    return list;
}

void ChannelItemDelegate::listPicked(QWidget* list)
{
    // Enter in a list that takes typing picks an entry and also reaches the
    // delegate's own handling, as does the focus leaving the list as it
    // closes: the list is stored and closed once.
    list->setProperty(kPicked, true);
    emit commitData(list);
    emit closeEditor(list);
}

bool ChannelItemDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (object->property(kPicked).toBool()) {
        if (event->type() == QEvent::FocusOut)
            return true;
        const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void ChannelItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const
{
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    // A list is at least as wide as its longest entry, even in a narrow column.
    if (qobject_cast<QComboBox*>(editor))
        editor->resize(std::max(editor->width(), editor->sizeHint().width()), editor->height());
}

void ChannelItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(index.data(Qt::EditRole).toInt());
        // The first key typed replaces the value shown.
        if (list->lineEdit())
            list->lineEdit()->selectAll();
    } else
        QStyledItemDelegate::setEditorData(editor, index);
}

void ChannelItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const
{
    auto* list = qobject_cast<QComboBox*>(editor);
    if (!list) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    if (list->isEditable()) {
        // Leaving it empty, or on the value it showed, writes nothing.
        const QString typed = list->currentText().trimmed();
        if (!typed.isEmpty() && typed != index.data(Qt::DisplayRole).toString())
            model->setData(index, typed, Qt::EditRole);
        return;
    }
    // Leaving the list on the entry it showed writes nothing.
    if (list->currentIndex() != index.data(Qt::EditRole).toInt())
        model->setData(index, list->currentIndex(), Qt::EditRole);
}

} // namespace ft817
