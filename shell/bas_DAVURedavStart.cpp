#include "bas_DAVURedavStart.h"

#include "MDIDAVURedav.h"
#include "frmDAVURedavStart.h"

namespace bas_DAVURedavStart {

MDIDAVURedav* Main()
{
    frmDAVURedavStart splash;
    splash.exec();
    auto* main = new MDIDAVURedav;
    main->show();
    return main;
}

} // namespace bas_DAVURedavStart
