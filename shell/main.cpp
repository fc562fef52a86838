#include "MDIDAVURedav.h"
#include "bas_DAVURedavStart.h"
#include "fixed_font.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("DAVURedav");
    QApplication::setFont(fixedFont());
    const std::unique_ptr<MDIDAVURedav> mainWindow(bas_DAVURedavStart::Main());
    return QApplication::exec();
}
