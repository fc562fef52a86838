#include "MDIDAVURedav.h"

#include "bas_DAVURedavFormSentaku.h"
#include "calculator.h"
#include "frmDAVURedavMenu.h"
#include "frmDAVURedavVersion.h"
#include "message_boxes.h"
#include "pictures.h"
#include "placement.h"
#include "program_values.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>

using namespace bas_DAVURedavFormSentaku;

namespace {

struct MenuItem {
    const char* name;
    const char* caption;
    int16_t number;
};

// The calculations of the menu, with their catalogue numbers.
constexpr MenuItem kMenuItems[] = {
    {"KouteiHosei", "高低角補正計算", 1},
    {"ST_Keisan", "座標による距離・方向角の計算", 2},
    {"SA_Keisan", "経緯度による距離・方位角の計算", 3},
    {"BL_XY", "ＢＬ ←→ ＸＹ変換", 4},
    {"BL_Mesh", "ＢＬ ←→ メッシュコード変換", 5},
    {"BLH_XYZ", "ＢＬＨ ←→ 地心直交座標変換", 6},
    {"OpenTrv", "オープントラバース座標計算", 8},
    {"Verticai", "高低計算", 9},
    {"RD_Youso", "中心線の要素", 12},
    {"RD_Tyukan", "中心線 中間点の計算", 13},
    {"RD_Suisen", "中心線に垂線を下ろす", 14},
    {"RD_CloKouten", "クロソイド曲線の交点計算", 15},
    {"JyuudanPlan", "縦断測量 計画高の計算", 17},
    {"Area", "座標面積計算", 18},
    {"LevelKeisan", "器高式レベル計算", 19},
    {"Sankaku", "三角形の解法", 20},
    {"CompSlope", "合成勾配の計算", 21},
    {"BackTrv", "後方交会法 座標計算", 22},
};

// 0x00BBGGRR as a colour, and back.
QColor toColor(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
uint32_t toBgr(const QColor& c)
{
    return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8
        | static_cast<uint32_t>(c.blue()) << 16;
}

void showDesigned(QMdiArea* area, QWidget* window)
{
    showPlaced(area, window, *designPlacement(window->objectName()));
}

} // namespace

MDIDAVURedav::MDIDAVURedav(const QString& settingsFolder, QWidget* parent)
    : QMainWindow(parent), settings_(settingsFolder), area_(new QMdiArea(this)), CommonDialog1(new QColorDialog(this))
{
    setObjectName("MDIDAVURedav");
    setWindowTitle("測量計算ｿﾌﾄDAVURedav");
    area_->setObjectName("MDIArea");
    setCentralWidget(area_);
    CommonDialog1->setObjectName("CommonDialog1");
    createMenus();
    createToolbars();

    setGeometry(toPixels({4100, 2300, 7200, 3400}, this));
    setWindowState(Qt::WindowMaximized);

    const Settings settings = settings_.load();
    programValues().ZahyoKei = settings.zone;
    programValues().BackColor = settings.color;
    applyBackColor();
    ShowCatalogue();
}

void MDIDAVURedav::createMenus()
{
    QMenu* menu = menuBar()->addMenu("メニュー");
    menu->setObjectName("Menu");
    for (const MenuItem& item : kMenuItems) {
        QAction* action = menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(item.name);
        const int16_t n = item.number;
        connect(action, &QAction::triggered, this, [this, n] { chooseCalculation(n); });
    }
    menu->addSeparator();
    QAction* end = menu->addAction("DAVURedavの終了");
    end->setObjectName("end");
    connect(end, &QAction::triggered, this, &QWidget::close);

    // A caption of full-width blanks pushes the version menu to the right.
    QAction* spacer = menuBar()->addAction("　　　　　　　　　　　　　　　　　　　　");
    spacer->setObjectName("Spacer");
    spacer->setEnabled(false);
    QAction* version = menuBar()->addAction("バージョン情報");
    version->setObjectName("Version");
    connect(version, &QAction::triggered, this, &MDIDAVURedav::Version_Click);
}

void MDIDAVURedav::createToolbars()
{
    struct Button {
        const char* toolbar;
        QIcon icon;
        const char* tip;
        void (MDIDAVURedav::*handler)();
    };
    const Button buttons[] = {
        {"Toolbar2", pictures::colourIcon(), "背景色", &MDIDAVURedav::Toolbar2_Click},
        {"Toolbar3", pictures::intersectionIcon(), "交点計算", &MDIDAVURedav::Toolbar3_Click},
        {"Toolbar4", pictures::calculatorIcon(), "電卓（Wiondows）", &MDIDAVURedav::Toolbar4_Click},
    };
    // Toolbar1 carries no button.
    auto* toolbar1 = new QToolBar(this);
    toolbar1->setObjectName("Toolbar1");
    addToolBar(toolbar1);
    for (const Button& b : buttons) {
        auto* toolbar = new QToolBar(this);
        toolbar->setObjectName(b.toolbar);
        addToolBar(toolbar);
        QAction* action = toolbar->addAction(b.icon, QString());
        action->setObjectName(QString::fromLatin1(b.toolbar) + "Button");
        action->setToolTip(QString::fromUtf8(b.tip));
        connect(action, &QAction::triggered, this, b.handler);
    }
}

void MDIDAVURedav::ShowCatalogue()
{
    if (!bringForward(area_, "frmDAVURedavMenu"))
        showDesigned(area_, new frmDAVURedavMenu(area_));
}

void MDIDAVURedav::chooseCalculation(int16_t n)
{
    if (QMdiSubWindow* catalogueWindow = findWindow(area_, "frmDAVURedavMenu"))
        catalogueWindow->close();
    AllClose(area_);
    FormSentaku(area_, n);
}

void MDIDAVURedav::applyBackColor() { area_->setBackground(toColor(programValues().BackColor)); }

void MDIDAVURedav::Toolbar2_Click()
{
    // A cancelled dialog keeps the colour the background had.
    CommonDialog1->setCurrentColor(toColor(programValues().BackColor));
    if (CommonDialog1->exec() != QDialog::Accepted)
        return;
    programValues().BackColor = toBgr(CommonDialog1->selectedColor());
    applyBackColor();
}

void MDIDAVURedav::Toolbar3_Click() { FormSentaku(area_, 11); }

void MDIDAVURedav::Toolbar4_Click()
{
    if (!startCalculator())
        showMessage(this, QMessageBox::Information, "DAVURedav",
                    "電卓プログラムが見つかりませんでした。\r\n"
                    "gnome-calculator、kcalc、galculator、mate-calc、xcalc のいずれかをインストールしてください。");
}

void MDIDAVURedav::Version_Click()
{
    if (!bringForward(area_, "frmDAVURedavVersion"))
        showDesigned(area_, new frmDAVURedavVersion);
}

void MDIDAVURedav::closeEvent(QCloseEvent* event)
{
    area_->closeAllSubWindows();
    const auto answer = messageBoxes().show(this, QMessageBox::Question, "DAVURedav", "DAVURedav を終了しますか ？",
                                            QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        event->ignore();
        ShowCatalogue();
        return;
    }
    const Settings settings{programValues().ZahyoKei, programValues().BackColor};
    if (!settings_.save(settings))
        showMessage(this, QMessageBox::Warning, "DAVURedav",
                    "設定ファイルを保存できませんでした。\r\n" + settings_.path());
    event->accept();
}
