#include "bas_DAVURedav.h"
#include "calc_screen.h"
#include "checked_math.h"
#include "controls.h"
#include "fixed_font.h"
#include "placement.h"
#include "program_values.h"
#include "screen_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A screen of two fields: Enter in the first moves to the second; leaving
// either rewrites it; leaving the second divides the first by it.
class TwoFieldScreen : public CalcScreen {
public:
    TwoFieldScreen() : CalcScreen("frmTwoFields", "two fields")
    {
        auto* layout = new QVBoxLayout(this);
        txtA = controls::input(this, "txtA");
        txtB = controls::input(this, "txtB");
        txtQ = controls::result(this, "txtQ");
        cmdGo = controls::button(this, "cmdGo", "go");
        for (QWidget* w : {static_cast<QWidget*>(txtA), static_cast<QWidget*>(txtB), static_cast<QWidget*>(txtQ),
                           static_cast<QWidget*>(cmdGo)})
            layout->addWidget(w);
        setFieldHandlers(txtA, {[this] { txtB->setFocus(); }, [this] { rewriteAsNumber(txtA); }});
        setFieldHandlers(txtB, {[this] { txtA->setFocus(); },
                                [this] {
                                    rewriteAsNumber(txtB);
                                    Keisan();
                                }});
        connect(cmdGo, &QPushButton::clicked, this, [this] { ++clicks; });
    }

    void Keisan()
    {
        ++computations;
        if (!guarded([this] { txtQ->setText(QString::number(checked::div(fieldValue(txtA), fieldValue(txtB)))); })) {
            errFlagAfterDialog = programValues().ErrFlag;
            programValues().ErrFlag = 0;
            txtQ->clear();
        }
    }

    QLineEdit *txtA, *txtB, *txtQ;
    QPushButton* cmdGo;
    int computations = 0;
    int clicks = 0;
    int errFlagAfterDialog = 0;
};

class ScreenKit : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        screen = new TwoFieldScreen;
        showActive(screen);
    }
    TwoFieldScreen* screen = nullptr;
};

TEST_F(ScreenKit, EnterIsSwallowedAndMovesTheFocus)
{
    type(screen->txtA, "12");
    pressEnter(screen->txtA);
    EXPECT_EQ(screen->txtA->text(), "12");
    EXPECT_TRUE(screen->txtB->hasFocus());
}

TEST_F(ScreenKit, LeavingRewritesAsTheNumberRead)
{
    struct Case {
        const char* typed;
        const char* rewritten;
    } const cases[] = {{"007.50", "7.5"}, {"12.3400", "12.34"}, {".5", "0.5"}, {"", "0"}, {"abc", "0"},
                       {"1 234.5", "1234.5"}};
    for (const auto& c : cases) {
        type(screen->txtA, c.typed);
        pressEnter(screen->txtA);
        EXPECT_EQ(screen->txtA->text(), c.rewritten) << c.typed;
    }
}

TEST_F(ScreenKit, TakingTheFocusSelectsTheWholeText)
{
    screen->txtA->setText("123.45");
    screen->txtB->setFocus(Qt::TabFocusReason);
    screen->txtA->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(screen->txtA->selectedText(), "123.45");
    QTest::keyClicks(screen->txtA, "9");
    EXPECT_EQ(screen->txtA->text(), "9");
}

TEST_F(ScreenKit, ClickingIntoAFieldSelectsItsTextOnceThePressIsHandled)
{
    screen->txtB->setText("123.45");
    QTest::mouseClick(screen->txtB, Qt::LeftButton, {}, QPoint(4, 4));
    QApplication::processEvents();
    EXPECT_EQ(screen->txtB->selectedText(), "123.45");
}

// A click into a result took the focus and ran the leave handler of the field,
// which on several screens empties that very result.
TEST_F(ScreenKit, ClickingAResultDoesNotLeaveTheField)
{
    type(screen->txtB, "4");
    QTest::mouseClick(screen->txtQ, Qt::LeftButton);
    EXPECT_TRUE(screen->txtB->hasFocus());
    EXPECT_EQ(screen->computations, 0);
}

TEST_F(ScreenKit, EnterOnAFocusedButtonClicksIt)
{
    screen->cmdGo->setFocus();
    QTest::keyClick(screen->cmdGo, Qt::Key_Return);
    EXPECT_EQ(screen->clicks, 1);
}

// A message box opening while a field is left must not leave it a second time.
TEST_F(ScreenKit, ErrorDialogDuringLeaveDoesNotReenterTheComputation)
{
    type(screen->txtA, "5");
    type(screen->txtB, "0");
    pressEnter(screen->txtB); // leaves txtB: 5 / 0
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(screen->computations, 1);
    const auto& box = boxes.shown.front();
    EXPECT_EQ(box.title, "ｴﾗｰ");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.text, "ｴﾗｰ番号  11  ｴﾗｰが発生しました。\r\n\r\n0 で除算しました。");
    EXPECT_EQ(screen->errFlagAfterDialog, 1);
    EXPECT_TRUE(screen->txtA->hasFocus());
}

// A fault outside a guarded computation (the rewrite of a number beyond the
// double range) must not escape from the event loop.
TEST_F(ScreenKit, RunTimeErrorInALeaveHandlerShowsTheErrorDialog)
{
    type(screen->txtA, "1E999");
    pressEnter(screen->txtA);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.startsWith("ｴﾗｰ番号  6  ｴﾗｰが発生しました。"));
    EXPECT_EQ(screen->txtA->text(), "1E999");
    EXPECT_TRUE(screen->txtB->hasFocus());
}

// Only choosing from the list chooses an item: typed text is not completed
// to an item, and leaving the box with the text of an item does not choose it.
TEST_F(ScreenKit, TypingIntoAZoneListChoosesNoItem)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QComboBox* list = controls::editableCombo(&window, "Combo1");
    list->addItems({" 1", " 9", "10"});
    QLineEdit* other = controls::input(&window, "txtX");
    layout->addWidget(list);
    layout->addWidget(other);
    int chosen = 0;
    QObject::connect(list, &QComboBox::activated, [&chosen] { ++chosen; });
    showActive(&window);
    for (const char* typed : {"1", " 9"}) {
        focusTo(list);
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), typed);
        EXPECT_EQ(list->currentText(), typed);
        focusTo(other);
        EXPECT_EQ(list->currentText(), typed);
    }
    EXPECT_EQ(chosen, 0);
    EXPECT_EQ(list->currentIndex(), 0);
}

TEST_F(ScreenKit, ErrorDialogSetsErrFlag)
{
    bas_DAVURedav::showErrorDialog(screen, RuntimeError(RuntimeError::Overflow));
    EXPECT_EQ(programValues().ErrFlag, 1);
    EXPECT_EQ(boxes.shown.back().text, "ｴﾗｰ番号  6  ｴﾗｰが発生しました。\r\n\r\nオーバーフローしました。");
}

TEST_F(ScreenKit, NoIntersectionMessage)
{
    bas_DAVURedav::showNoIntersection(screen);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "エラー");
    EXPECT_EQ(boxes.shown[0].text, "交点が存在しませんでした。");
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Critical);
}

// The real dialog: a modal QMessageBox whose focus changes must not run the
// leave handler of the field it interrupts.
TEST_F(ScreenKit, RealErrorDialogIsModalAndLeavesTheFieldOnce)
{
    setMessageBoxes(nullptr);
    QString seenTitle, seenText;
    QTimer answer;
    answer.setInterval(50);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seenTitle = box->windowTitle();
            seenText = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start();
    type(screen->txtA, "1");
    type(screen->txtB, "0");
    pressEnter(screen->txtB);
    answer.stop();
    EXPECT_EQ(seenTitle, "ｴﾗｰ");
    EXPECT_TRUE(seenText.startsWith("ｴﾗｰ番号  11  ｴﾗｰが発生しました。"));
    EXPECT_EQ(screen->computations, 1);
    reactivate(screen);
    EXPECT_EQ(screen->computations, 1);
}

TEST(FixedFont, DoubleByteCharactersTakeTwoColumns)
{
    int argc = 0;
    if (!QApplication::instance())
        new QApplication(argc, nullptr);
    const QFontMetrics metrics(fixedFont());
    EXPECT_EQ(metrics.horizontalAdvance("測量"), 2 * metrics.horizontalAdvance("00"));
    EXPECT_EQ(metrics.horizontalAdvance(" 45°"), metrics.horizontalAdvance("00000"));
}

TEST(Placement, TwipsOfTheDesignedWindows)
{
    const auto open = designPlacement("frmOpenTrv2");
    ASSERT_TRUE(open);
    EXPECT_EQ(open->width, 4710);
    EXPECT_EQ(open->height, 6450);
    EXPECT_EQ(designPlacement("frmBackTrv")->top, 500);
    EXPECT_FALSE(designPlacement("frmNoSuchScreen"));
}

} // namespace
