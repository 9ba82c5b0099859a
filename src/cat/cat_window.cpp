#include "cat/cat_window.h"

#include "platform/qt_window_icon.h"

#include <QCloseEvent>
#include <QLineEdit>

namespace ft817 {

CatWindow::CatWindow(SerialPort& port, QWidget* parent) : QWidget(parent), m_port(port)
{
    setObjectName("Form3");
    setWindowTitle("CAT Control");
    setWindowIcon(makeWindowIcon("CAT", QColor(0x2e, 0x7d, 0x32)));
    setFixedSize(312, 213);
    m_text = new QLineEdit("Text1", this);
    m_text->setObjectName("Text1");
    m_text->setGeometry(16, 8, 121, 25);
}

void CatWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

}  // namespace ft817
