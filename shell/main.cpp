#include "MDIDAVURedav.h"
#include "bas_DAVURedavStart.h"
#include "fixed_font.h"

#include <QApplication>
#include <clocale>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Qt takes the locale from the environment; numbers are read and written
    // with a decimal point whatever the surveyor's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("DAVURedav");
    QApplication::setFont(fixedFont());
    const std::unique_ptr<MDIDAVURedav> mainWindow(bas_DAVURedavStart::Main());
    return QApplication::exec();
}
