#include "catalogue.h"

#include "frmAreaCoordCnge_Keisan2.h"
#include "frmBL_XY_Keisan2.h"
#include "frmGyakuTrvST2.h"
#include "frmOpenTrv2.h"
#include "frmST_Keisan2.h"

namespace {

using P = CatalogueEntry::Placement;

// One line per calculation; a screen joins the program by naming its
// constructor here.
template <typename Screen>
std::function<QWidget*()> screen()
{
    return [] { return new Screen; };
}

std::vector<CatalogueEntry> makeCatalogue()
{
    return {
        {"高低角補正計算", "frmKoutei_Hosei", P::Designed, {}},
        {"座標による距離・方向角の計算", "frmST_Keisan2", P::Designed, screen<frmST_Keisan2>()},
        {"経緯度による距離・方位角の計算", "frmSA_Keisan2", P::Designed, {}},
        {"ＢＬ ←→ ＸＹ変換", "frmBL_XY_Keisan2", P::Designed, screen<frmBL_XY_Keisan2>()},
        {"ＢＬ ←→ メッシュコード変換", "frmBL_Mesh", P::Left4500, {}},
        {"ＢＬＨ ←→ 地心直交座標変換", "frmBLH_XYZkeisan2", P::Designed, {}},
        {"座標系座標変換(XY→XY)", "frmAreaCoordCnge_Keisan2", P::Designed, screen<frmAreaCoordCnge_Keisan2>()},
        {"オープントラバース座標計算", "frmOpenTrv2", P::Designed, screen<frmOpenTrv2>()},
        {"高低計算", "frmVertical2", P::Designed, {}},
        {"逆座標（Ｓ・Ｔ）計算", "frmGyakuTrvST2", P::Designed, screen<frmGyakuTrvST2>()},
        {"交点計算", "frmKoutenMenu", P::UnderCatalogue, {}},
        {"中心線の要素", "frmRD_YousoData", P::Designed, {}},
        {"中心線 中間点の計算", "frmRD_TyukanMenu", P::UnderCatalogue, {}},
        {"中心線に垂線を下ろす", "frmRD_SuisenMenu", P::UnderCatalogue, {}},
        {"クロソイド曲線の交点計算", "frmRD_CloKoutenMenu", P::UnderCatalogue, {}},
        {"逆投影補正量計算", "frmReverseComp", P::Left4500, {}},
        {"縦断測量 計画高の計算", "frmRD_JyudanPlan", P::Designed, {}},
        {"座標面積計算", "frmAreaKeisan2", P::Designed, {}},
        {"器高式レベル計算", "frmK_LevelKeisan2", P::Designed, {}},
        {"三角形の解法", "frmSankaku", P::Designed, {}},
        {"合成勾配の計算", "frmCompSlope", P::Designed, {}},
        {"後方交会法 座標計算", "frmBackTrv", P::Designed, {}},
    };
}

} // namespace

const std::vector<CatalogueEntry>& catalogue()
{
    static const std::vector<CatalogueEntry> entries = makeCatalogue();
    return entries;
}

const CatalogueEntry* catalogueEntry(int n)
{
    const auto& entries = catalogue();
    return n >= 1 && n <= static_cast<int>(entries.size()) ? &entries[static_cast<std::size_t>(n - 1)] : nullptr;
}
