#include "bas_DAVURedavFormSentaku.h"

#include "catalogue.h"
#include "placement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

namespace bas_DAVURedavFormSentaku {
namespace {

// The catalogue window: second-level catalogues open just under it.
constexpr Twips kCatalogue{50, 0, 3480, 5790};

// The closing order of AllClose.
const QStringList& closingOrder()
{
    static const QStringList order{
        "frmDAVURedavVersion", "frmKoutei_Hosei", "frmST_Keisan2", "frmSA_Keisan2", "frmBL_XY_Keisan2",
        "frmBLH_XYZkeisan2", "frmAreaCoordCnge_Keisan2", "frmOpenTrv2", "frmVertical2", "frmAreaKeisan2",
        "frmReverseComp", "frmRD_JyudanPlan", "frmSankaku", "frmRD_YousoData", "frmRD_YousoKuro",
        "frmRD_YousoTan", "frmK_LevelKeisan2", "frmRD_SuisenMenu", "frmRD_Suisen", "frmRD_CloKoutenMenu",
        "frmRD_CloKouten", "frmKaniGosa", "frmCompSlope", "frmBackTrv", "frmRD_TyukanMenu", "frmRD_Tyukan",
        "frmBL_Mesh", "frmGyakuTrvST2", "frmKoutenMenu", "frmRD_CloKoutenYouzu", "frmRD_SuisenYouzu",
        "frmRD_TyukanYouzu",
    };
    return order;
}

Twips placementOf(const CatalogueEntry& entry)
{
    const Twips designed = designPlacement(entry.window).value_or(Twips{4500, 1100, 0, 0});
    switch (entry.placement) {
    case CatalogueEntry::Placement::UnderCatalogue:
        return {kCatalogue.left, kCatalogue.height + 50, designed.width, designed.height};
    case CatalogueEntry::Placement::Left4500:
        return {4500, designed.top, designed.width, designed.height};
    case CatalogueEntry::Placement::Designed:
        break;
    }
    return designed;
}

} // namespace

QMdiSubWindow* findWindow(QMdiArea* area, const QString& objectName)
{
    for (QMdiSubWindow* sub : area->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == objectName)
            return sub;
    return nullptr;
}

bool bringForward(QMdiArea* area, const QString& objectName)
{
    QMdiSubWindow* open = findWindow(area, objectName);
    if (open)
        area->setActiveSubWindow(open);
    return open != nullptr;
}

void FormSentaku(QMdiArea* area, int16_t n)
{
    const CatalogueEntry* entry = catalogueEntry(n);
    if (!entry || !entry->create)
        return;
    if (!bringForward(area, entry->window))
        showPlaced(area, entry->create(), placementOf(*entry));
}

QMdiSubWindow* showPlaced(QMdiArea* area, QWidget* window, const Twips& twips)
{
    // Calculation windows keep their designed size: no maximise button.
    QMdiSubWindow* sub = area->addSubWindow(window, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                                        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const QRect pixels = toPixels(twips, area);
    sub->move(pixels.topLeft());
    if (twips.width > 0)
        sub->setFixedSize(pixels.size());
    sub->show();
    return sub;
}

void AllClose(QMdiArea* area)
{
    for (const QString& name : closingOrder())
        if (QMdiSubWindow* sub = findWindow(area, name))
            sub->close();
}

} // namespace bas_DAVURedavFormSentaku
