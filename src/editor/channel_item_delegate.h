#pragma once
// Cell editors of the channel list: a drop-down list for the cells chosen
// from a list (mode, step, shift, TX mode, tone mode, tone, DCS code: the
// entries the cell's ChoicesRole gives), which stores
// the picked entry at once; the usual text editor for the others.

#include <QStyledItemDelegate>

namespace ft817 {

class ChannelItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ChannelItemDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void listPicked(QWidget* list);
};

} // namespace ft817
