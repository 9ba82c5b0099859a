#include "editor/channel_table_view.h"

namespace ft817 {

void ChannelTableView::commitOpenEditor()
{
    if (state() != EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

} // namespace ft817
