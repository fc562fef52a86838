#include "placement.h"

#include <QHash>
#include <QWidget>

namespace {

const QHash<QString, Twips>& placements()
{
    static const QHash<QString, Twips> table{
        {"frmOpenTrv2", {4500, 1100, 4710, 6450}},
        {"frmAreaKeisan2", {4500, 1100, 5280, 5145}},
        {"frmRD_JyudanPlan", {4500, 1100, 4830, 6030}},
        {"frmST_Keisan2", {4500, 1100, 6105, 3465}},
        {"frmRD_YousoData", {3580, 1100, 5040, 5040}},
        {"frmRD_YousoKuro", {8720, 1100, 5805, 3285}},
        {"frmRD_YousoTan", {8720, 1100, 3105, 2805}},
        {"frmRD_Suisen", {3580, 1100, 4965, 7830}},
        {"frmRD_Tyukan", {3580, 1100, 4965, 7530}},
        {"frmRD_CloKouten", {3580, 1100, 4965, 6690}},
        {"frmRD_CloKoutenYouzu", {8590, 1100, 7080, 3890}},
        {"frmSankaku", {4500, 1100, 4290, 5430}},
        {"frmBackTrv", {4500, 500, 6280, 8730}},
        {"frmVertical2", {4500, 1100, 4720, 7350}},
        {"frmBLH_XYZkeisan2", {4500, 1100, 6720, 5190}},
        {"frmCompSlope", {4500, 1100, 6825, 4890}},
        {"frmKoutei_Hosei", {4500, 1100, 6585, 6510}},
        {"frmBL_XY_Keisan2", {4500, 1100, 6105, 4230}},
        {"frmBL_Mesh", {4500, 1100, 5505, 5970}},
        {"frmReverseComp", {4500, 1100, 6660, 3585}},
        {"frmSA_Keisan2", {4500, 1100, 6105, 3270}},
        {"frmGyakuTrvST2", {4500, 1100, 4720, 5190}},
        {"frmAreaCoordCnge_Keisan2", {4500, 1100, 6225, 3580}},
        {"frmKouten_Tyoku", {4500, 1100, 4180, 6690}},
        {"frmEn_En", {4500, 1100, 4180, 7110}},
        {"frmEn_Sessen", {4500, 1100, 4180, 7770}},
        {"frmEn_Tyoku", {4500, 1100, 4180, 7770}},
        {"frm3Ten_Hei", {4500, 1100, 4180, 7530}},
        {"frm2En_Sessen", {4500, 1100, 4180, 6990}},
        {"frmK_LevelKeisan2", {4500, 1100, 8925, 5670}},
        {"frmDAVURedavMenu", {50, 0, 3480, 5790}},
        {"frmDAVURedavVersion", {10300, 0, 4600, 2850}},
    };
    return table;
}

int scaled(int twips, int dpi) { return (twips * dpi + 720) / 1440; }

} // namespace

std::optional<Twips> designPlacement(const QString& objectName)
{
    const auto it = placements().constFind(objectName);
    if (it == placements().constEnd())
        return std::nullopt;
    return *it;
}

int twipsToPixelsX(int twips, const QWidget* widget) { return scaled(twips, widget->logicalDpiX()); }
int twipsToPixelsY(int twips, const QWidget* widget) { return scaled(twips, widget->logicalDpiY()); }

QRect toPixels(const Twips& twips, const QWidget* widget)
{
    return {twipsToPixelsX(twips.left, widget), twipsToPixelsY(twips.top, widget), twipsToPixelsX(twips.width, widget),
            twipsToPixelsY(twips.height, widget)};
}
