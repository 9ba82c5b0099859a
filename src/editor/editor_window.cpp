#include "editor/editor_window.h"

namespace ft817 {

EditorWindow::EditorWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form2");
    setWindowTitle("YAESU Edit");
}

EditorWindow::~EditorWindow() = default;

Status EditorWindow::edit(const QString&)
{
    return Error{"the editor is not available yet", {}};
}

void EditorWindow::present()
{
    show();
}

}  // namespace ft817
