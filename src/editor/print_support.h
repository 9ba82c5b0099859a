#pragma once
// Printing where Qt Print Support is built (FT817_CAN_PRINT); elsewhere (the
// Windows Qt has no Print Support) the channel sheet is saved as PDF only.

#ifdef FT817_PRINT_SUPPORT
#include <QtPrintSupport/qtprintsupportglobal.h>
#if QT_CONFIG(printer) && QT_CONFIG(printdialog)
#define FT817_CAN_PRINT
#include <QPrintDialog>
#include <QPrinter>
#endif
#endif
