#include "MDIDAVURedav.h"
#include "bas_DAVURedavFormSentaku.h"
#include "bas_ZORERoderidHelp.h"
#include "catalogue.h"
#include "placement.h"
#include "program_values.h"
#include "screen_fixture.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

using namespace bas_DAVURedavFormSentaku;

namespace {

class MainWindow : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        main = new MDIDAVURedav(tempDir.path());
        main->setAttribute(Qt::WA_DeleteOnClose);
        showActive(main);
    }
    void TearDown() override
    {
        boxes.answers.assign(1, QMessageBox::Yes);
        ScreenTest::TearDown();
    }

    QByteArray settingsBytes() const
    {
        QFile file(tempDir.filePath("DAVURedav.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList openWindows() const
    {
        QStringList names;
        for (QMdiSubWindow* sub : main->area()->subWindowList())
            names << sub->widget()->objectName();
        return names;
    }
    QListWidget* catalogueList() const { return main->findChild<QListWidget*>("List1"); }
    void trigger(const char* action) { main->findChild<QAction*>(action)->trigger(); }
    void settle()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    MDIDAVURedav* main = nullptr;
};

TEST_F(MainWindow, StartsWithTheCatalogueAndTheDefaultSettings)
{
    EXPECT_EQ(main->objectName(), "MDIDAVURedav");
    EXPECT_EQ(main->windowTitle(), "測量計算ｿﾌﾄDAVURedav");
    EXPECT_EQ(settingsBytes(), QByteArray::fromHex("0800C0C0FF00"));
    EXPECT_EQ(programValues().ZahyoKei, 8);
    EXPECT_EQ(main->area()->background().color(), QColor(192, 192, 255));
    EXPECT_EQ(openWindows(), QStringList{"frmDAVURedavMenu"});
}

TEST_F(MainWindow, CatalogueListsTheTwentyTwoCalculationsInOrder)
{
    const QListWidget* list = catalogueList();
    ASSERT_EQ(list->count(), 22);
    for (int i = 0; i < list->count(); ++i)
        EXPECT_EQ(list->item(i)->text(), catalogueEntry(i + 1)->text) << i;
    EXPECT_EQ(list->item(7)->text(), "オープントラバース座標計算");
    EXPECT_EQ(list->item(9)->text(), "逆座標（Ｓ・Ｔ）計算");
}

TEST_F(MainWindow, MenuOffersTheCalculationsWithTheirCatalogueNumbers)
{
    const QStringList expected{"高低角補正計算", "座標による距離・方向角の計算", "経緯度による距離・方位角の計算",
                               "ＢＬ ←→ ＸＹ変換", "ＢＬ ←→ メッシュコード変換", "ＢＬＨ ←→ 地心直交座標変換",
                               "オープントラバース座標計算", "高低計算", "中心線の要素", "中心線 中間点の計算",
                               "中心線に垂線を下ろす", "クロソイド曲線の交点計算", "縦断測量 計画高の計算",
                               "座標面積計算", "器高式レベル計算", "三角形の解法", "合成勾配の計算",
                               "後方交会法 座標計算", QString(), "DAVURedavの終了"};
    QStringList captions;
    for (QAction* action : main->findChild<QMenu*>("Menu")->actions())
        captions << action->text();
    EXPECT_EQ(captions, expected);
}

// The menu's open-traverse item is catalogue 8, not the entry 7 beside it.
TEST_F(MainWindow, MenuItemOpensItsCalculationAndClosesTheCatalogue)
{
    trigger("OpenTrv");
    settle();
    EXPECT_EQ(openWindows(), QStringList{"frmOpenTrv2"});
    const QMdiSubWindow* sub = findWindow(main->area(), "frmOpenTrv2");
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->geometry(), toPixels(*designPlacement("frmOpenTrv2"), main->area()));
}

TEST_F(MainWindow, ChoosingAnEntryClosesTheOpenCalculationAndTheVersionWindow)
{
    trigger("Version");
    catalogueList()->setCurrentRow(9);
    settle();
    EXPECT_EQ(openWindows(), (QStringList{"frmDAVURedavMenu", "frmGyakuTrvST2"}));
    catalogueList()->setCurrentRow(7);
    settle();
    EXPECT_EQ(openWindows(), (QStringList{"frmDAVURedavMenu", "frmOpenTrv2"}));
}

// Closing a screen moved the focus out of its field, which ran the field's leave
// handler on the closing screen and showed its validation message.
TEST_F(MainWindow, TurningAwayFromAScreenRunsNoLeaveHandler)
{
    catalogueList()->setCurrentRow(6);
    settle();
    QWidget* zones = findWindow(main->area(), "frmAreaCoordCnge_Keisan2")->widget();
    focusTo(child<QLineEdit>(zones, "txtY1"));
    catalogueList()->setFocus(Qt::MouseFocusReason);
    catalogueList()->setCurrentRow(7);
    settle();
    EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front().text.toStdString();

    QWidget* traverse = findWindow(main->area(), "frmOpenTrv2")->widget();
    focusTo(child<QLineEdit>(traverse, "txtKY"));
    boxes.answers.assign(1, QMessageBox::No);
    main->close();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "DAVURedav を終了しますか ？");
}

TEST_F(MainWindow, ScreensOpenWithTheFocusInTheirFirstField)
{
    const struct {
        int row;
        const char* window;
        const char* field;
    } screens[] = {{9, "frmGyakuTrvST2", "txtX1"}, {7, "frmOpenTrv2", "txtBackT"}, {3, "frmBL_XY_Keisan2", "txtB"}};
    for (const auto& s : screens) {
        catalogueList()->setCurrentRow(s.row);
        settle();
        QWidget* screen = findWindow(main->area(), s.window)->widget();
        ASSERT_NE(QApplication::focusWidget(), nullptr) << s.window;
        EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(screen, s.field)) << s.window;
    }
}

TEST_F(MainWindow, AllCloseKeepsOnlyTheCatalogue)
{
    catalogueList()->setCurrentRow(7);
    trigger("Version");
    settle();
    ASSERT_EQ(openWindows().size(), 3);
    AllClose(main->area());
    settle();
    EXPECT_EQ(openWindows(), QStringList{"frmDAVURedavMenu"});
}

TEST_F(MainWindow, EntriesWithoutTheirScreenYetOpenNothing)
{
    FormSentaku(main->area(), 0);
    FormSentaku(main->area(), 23);
    settle();
    EXPECT_EQ(openWindows(), QStringList{"frmDAVURedavMenu"});
}

TEST_F(MainWindow, NoKeepsTheProgramRunningWithOnlyTheCatalogue)
{
    catalogueList()->setCurrentRow(7);
    programValues().ZahyoKei = 9;
    boxes.answers.assign(1, QMessageBox::No);
    EXPECT_FALSE(main->close());
    settle();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "DAVURedav");
    EXPECT_EQ(boxes.shown[0].text, "DAVURedav を終了しますか ？");
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Question);
    EXPECT_EQ(boxes.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(openWindows(), QStringList{"frmDAVURedavMenu"});
    EXPECT_EQ(settingsBytes(), QByteArray::fromHex("0800C0C0FF00")) << "saved without Yes";
}

TEST_F(MainWindow, YesSavesTheZoneForTheNextStart)
{
    programValues().ZahyoKei = 9;
    boxes.answers.assign(1, QMessageBox::Yes);
    EXPECT_TRUE(main->close());
    EXPECT_EQ(settingsBytes(), QByteArray::fromHex("0900C0C0FF00"));
    resetProgramValues();
    MDIDAVURedav next(tempDir.path());
    EXPECT_EQ(programValues().ZahyoKei, 9);
}

TEST_F(MainWindow, ZoneChosenOnAGeodesyScreenIsSavedOnYes)
{
    trigger("BL_XY");
    settle();
    QMdiSubWindow* sub = findWindow(main->area(), "frmBL_XY_Keisan2");
    ASSERT_NE(sub, nullptr);
    auto* zones = child<QComboBox>(sub->widget(), "Combo1");
    const int nine = zones->findText(" 9");
    ASSERT_GE(nine, 0);
    zones->setCurrentIndex(nine);
    emit zones->activated(nine);
    EXPECT_EQ(programValues().ZahyoKei, 9);
    boxes.answers.assign(1, QMessageBox::Yes);
    EXPECT_TRUE(main->close());
    EXPECT_EQ(settingsBytes(), QByteArray::fromHex("0900C0C0FF00"));
}

TEST_F(MainWindow, CatalogueOpensTheGeodesyScreens)
{
    const struct {
        int row;
        const char* window;
    } entries[] = {{1, "frmST_Keisan2"}, {3, "frmBL_XY_Keisan2"}, {6, "frmAreaCoordCnge_Keisan2"}};
    for (const auto& e : entries) {
        catalogueList()->setCurrentRow(e.row);
        settle();
        EXPECT_EQ(openWindows(), (QStringList{"frmDAVURedavMenu", e.window}));
        const QMdiSubWindow* sub = findWindow(main->area(), e.window);
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->geometry(), toPixels(*designPlacement(e.window), main->area())) << e.window;
    }
}

TEST_F(MainWindow, CatalogueEndAsksAndNoBringsTheCatalogueBack)
{
    boxes.answers.assign(1, QMessageBox::No);
    main->findChild<QPushButton*>("cmdEnd")->click();
    settle();
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(openWindows(), QStringList{"frmDAVURedavMenu"});
}

TEST_F(MainWindow, ToolbarButtonsCarryTheirTips)
{
    const struct {
        const char* toolbar;
        const char* tip;
    } buttons[] = {{"Toolbar2", "背景色"}, {"Toolbar3", "交点計算"}, {"Toolbar4", "電卓（Wiondows）"}};
    for (const auto& b : buttons) {
        const auto* toolbar = main->findChild<QToolBar*>(b.toolbar);
        ASSERT_NE(toolbar, nullptr) << b.toolbar;
        ASSERT_EQ(toolbar->actions().size(), 1);
        EXPECT_EQ(toolbar->actions()[0]->toolTip(), b.tip);
        EXPECT_FALSE(toolbar->actions()[0]->icon().isNull());
    }
    EXPECT_TRUE(main->findChild<QToolBar*>("Toolbar1")->actions().isEmpty());
}

TEST_F(MainWindow, ColourDialogChangesTheBackgroundAndACancelKeepsIt)
{
    expectedModals << "CommonDialog1";
    auto* dialog = main->findChild<QColorDialog*>("CommonDialog1");
    const auto answerWith = [dialog](bool accept, QColor colour) {
        QTimer::singleShot(100, dialog, [=] {
            dialog->setCurrentColor(colour);
            accept ? dialog->accept() : dialog->reject();
        });
    };
    answerWith(false, Qt::red);
    main->Toolbar2_Click();
    EXPECT_EQ(programValues().BackColor, 0x00FFC0C0u);
    answerWith(true, QColor(0x12, 0x34, 0x56));
    main->Toolbar2_Click();
    EXPECT_EQ(programValues().BackColor, 0x00563412u);
    EXPECT_EQ(main->area()->background().color(), QColor(0x12, 0x34, 0x56));
}

TEST_F(MainWindow, MissingCalculatorIsSaidInAMessage)
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", tempDir.path().toLocal8Bit());
    main->Toolbar4_Click();
    qputenv("PATH", path);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.startsWith("電卓プログラムが見つかりませんでした。"));
}

TEST_F(MainWindow, VersionWindowAndItsHelp)
{
    trigger("Version");
    settle();
    QMdiSubWindow* sub = findWindow(main->area(), "frmDAVURedavVersion");
    ASSERT_NE(sub, nullptr);
    QWidget* version = sub->widget();
    EXPECT_EQ(version->windowTitle(), "DAVURedav バージョン情報");
    EXPECT_EQ(child<QLabel>(version, "LabelNo")->text(), "DAVURedav Ver1.20");
    EXPECT_EQ(child<QLabel>(version, "LabelDate")->text(), "2020.12.14");
    EXPECT_EQ(child<QLabel>(version, "Label5")->text(), "ZORERoderid for Windows ");
    EXPECT_EQ(sub->geometry(), toPixels({10300, 0, 4600, 2850}, main->area()));

    child<QPushButton>(version, "cmdHelp")->click();
    settle();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "ZORERoderid Help");
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Question);
    const QStringList lines = boxes.shown[0].text.split("\r\n");
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "本ソフトはZORERoderidソフトの一部を抜粋したものです。");
    EXPECT_EQ(lines[2], "本ソフトの取扱説明書は下記ＵＲＬよりダウンロードできます。");
    EXPECT_EQ(lines[3], "解らない事、要望等ございましたら下記e-mailへ御連絡ください。");
    EXPECT_EQ(lines[7], "                   測量計算ソフトZORERoderid");
    EXPECT_EQ(findWindow(main->area(), "frmDAVURedavVersion"), nullptr) << "stays open after Help";
}

} // namespace
