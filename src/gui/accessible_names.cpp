#include "gui/accessible_names.h"

#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

namespace ft817 {

void describeControl(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
    // A typing list's text box is a control of its own to a screen reader.
    if (auto* list = qobject_cast<QComboBox*>(control);
        list && list->lineEdit() && list->lineEdit() != control)
        describeControl(list->lineEdit(), name, description);
}

QLabel* tieListLabel(QComboBox* list, const QString& name, const QString& description)
{
    describeControl(list, name, description);
    auto* label = new QLabel(name, list->parentWidget());
    label->setObjectName(list->objectName() + "Label");
    label->setBuddy(list);
    // Present for screen readers, no room on screen: no size, under the list.
    label->setGeometry(list->x(), list->y(), 0, 0);
    label->stackUnder(list);
    return label;
}

void closeOnEscape(QWidget* window)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

} // namespace ft817
