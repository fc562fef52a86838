#include "frmGyakuTrvST2.h"

#include "angle_text.h"
#include "checked_math.h"
#include "controls.h"
#include "fun_Dbl_Format.h"
#include "layout_parts.h"
#include "option_click.h"
#include "program_values.h"
#include "sub_Gyaku.h"
#include "sub_Str_Hms.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The result texts are 13 characters wide with 3 decimals, 17 with 6.
constexpr int kResultColumns = 17;

struct ResultTexts {
    std::string distance, direction;
};

// The distance and the direction angle in fixed columns, without unit marks.
ResultTexts resultTexts(double S, double T, int16_t decimals)
{
    if (decimals == 6)
        return {fun_Dbl_Format(S, 17, 6), angleColumnsSeconds(T, 6)};
    return {fun_Dbl_Format(S, 13, 3), "   " + sub_Str_Hms(T)};
}

} // namespace

frmGyakuTrvST2::frmGyakuTrvST2(QWidget* parent) : CalcScreen("frmGyakuTrvST2", "逆座標（Ｓ・Ｔ）計算", parent)
{
    createControls();
    layOut();
    connectHandlers();

    // Form_Load: 3 decimals, single mode.
    Opt3->setChecked(true);
    Option1->setChecked(true);
    setFirstField(txtX1);
}

void frmGyakuTrvST2::createControls()
{
    Option1 = controls::option(this, "Option1", "単独");
    Option2 = controls::option(this, "Option2", "放射");
    Option3 = controls::option(this, "Option3", "連続");
    Opt3 = controls::option(this, "Opt3", "３位");
    Opt6 = controls::option(this, "Opt6", "６位");
    auto* modes = new QButtonGroup(this);
    for (QRadioButton* b : {Option1, Option2, Option3})
        modes->addButton(b);
    auto* decimals = new QButtonGroup(this);
    for (QRadioButton* b : {Opt3, Opt6})
        decimals->addButton(b);

    txtX1 = controls::input(this, "txtX1");
    txtY1 = controls::input(this, "txtY1");
    txtX2 = controls::input(this, "txtX2");
    txtY2 = controls::input(this, "txtY2");
    cmdNEXT = controls::button(this, "cmdNEXT", "次へ");
    cmdKitenHenkou = controls::button(this, "cmdKitenHenkou", "基点変更");
    txtPS = controls::result(this, "txtPS");
    txtPT = controls::result(this, "txtPT");
    cmdEnd = controls::button(this, "cmdEnd", "終了");
    for (QLineEdit* field : {txtPS, txtPT})
        controls::setColumns(field, kResultColumns);
    for (QPushButton* b : {cmdNEXT, cmdKitenHenkou})
        keepPlaceWhenHidden(b);
}

void frmGyakuTrvST2::layOut()
{
    auto* choices = new QGridLayout;
    choices->setVerticalSpacing(2);
    choices->addWidget(controls::label(this, "計算の種類 ："), 0, 0);
    choices->addWidget(Option1, 0, 1);
    choices->addWidget(Option2, 0, 2);
    choices->addWidget(Option3, 0, 3);
    choices->addWidget(controls::label(this, "計算桁小数点以下 ："), 1, 0);
    choices->addWidget(Opt3, 1, 1);
    choices->addWidget(Opt6, 1, 2);
    choices->setColumnStretch(4, 1);

    QGroupBox* inputs = controls::frame(this, "入力データ");
    auto* points = new QGridLayout(inputs);
    points->setContentsMargins(6, 0, 6, 3);
    points->setVerticalSpacing(3);
    QLabel* headingX = controls::label(inputs, "Ｘ");
    QLabel* headingY = controls::label(inputs, "Ｙ");
    for (QLabel* heading : {headingX, headingY})
        heading->setAlignment(Qt::AlignCenter);
    points->addWidget(headingX, 0, 1);
    points->addWidget(headingY, 0, 2);
    points->addWidget(controls::label(inputs, "基点 ："), 1, 0);
    points->addWidget(txtX1, 1, 1);
    points->addWidget(txtY1, 1, 2);
    points->addWidget(controls::label(inputs, "視点 ："), 2, 0);
    points->addWidget(txtX2, 2, 1);
    points->addWidget(txtY2, 2, 2);
    auto* pointButtons = new QHBoxLayout;
    pointButtons->addStretch();
    pointButtons->addWidget(cmdNEXT);
    pointButtons->addWidget(cmdKitenHenkou);
    points->addLayout(pointButtons, 3, 0, 1, 3);

    QGroupBox* results = frameOfRows(this, "計算結果", {{"距  離 =", txtPS}, {"方向角 =", txtPT}});

    auto* end = new QHBoxLayout;
    end->addStretch();
    end->addWidget(cmdEnd);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 4, 6, 4);
    root->setSpacing(4);
    root->addLayout(choices);
    root->addWidget(inputs);
    root->addWidget(results);
    root->addStretch();
    root->addLayout(end);
}

void frmGyakuTrvST2::connectHandlers()
{
    onChosen(Option1, this, &frmGyakuTrvST2::Option1_Click);
    onChosen(Option2, this, &frmGyakuTrvST2::Option2_Click);
    onChosen(Option3, this, &frmGyakuTrvST2::Option3_Click);
    onChosen(Opt3, this, &frmGyakuTrvST2::Opt3_Click);
    onChosen(Opt6, this, &frmGyakuTrvST2::Opt6_Click);
    setFieldHandlers(txtX1, {[this] { txtY1->setFocus(); }, [this] { txtX1_LostFocus(); }});
    setFieldHandlers(txtY1, {[this] { txtX2->setFocus(); }, {}});
    setFieldHandlers(txtX2, {[this] { txtY2->setFocus(); }, [this] { txtX2_LostFocus(); }});
    setFieldHandlers(txtY2, {[this] { txtY2_Enter(); }, [this] { txtY2_LostFocus(); }});
    connect(cmdNEXT, &QPushButton::clicked, this, &frmGyakuTrvST2::cmdNEXT_Click);
    connect(cmdKitenHenkou, &QPushButton::clicked, this, &frmGyakuTrvST2::cmdKitenHenkou_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &frmGyakuTrvST2::cmdEnd_Click);
}

void frmGyakuTrvST2::Option1_Click() { startMode(Mode::Single); }

void frmGyakuTrvST2::Option2_Click()
{
    startMode(Mode::Radial);
    txtX1->setFocus();
}

void frmGyakuTrvST2::Option3_Click()
{
    startMode(Mode::Continuous);
    txtX1->setFocus();
}

void frmGyakuTrvST2::Opt3_Click() { programValues().KeisanKeta = 3; }

void frmGyakuTrvST2::Opt6_Click()
{
    programValues().KeisanKeta = 6;
    txtX1->setFocus();
}

void frmGyakuTrvST2::txtY2_Enter()
{
    switch (mode_) {
    case Mode::Single:
        txtX1->setFocus();
        break;
    case Mode::Radial:
        txtX2->setFocus();
        break;
    case Mode::Continuous:
        cmdNEXT->setFocus();
        break;
    }
}

void frmGyakuTrvST2::txtX1_LostFocus()
{
    if (mode_ == Mode::Single)
        KekkaClear();
}

void frmGyakuTrvST2::txtX2_LostFocus() { KekkaClear(); }

void frmGyakuTrvST2::txtY2_LostFocus()
{
    Keisan();
    if (mode_ != Mode::Single)
        cmdKitenHenkou->show();
}

void frmGyakuTrvST2::cmdNEXT_Click()
{
    // The sight point becomes the base point as it was typed.
    txtX1->setText(txtX2->text());
    txtY1->setText(txtY2->text());
    txtX2->clear();
    txtY2->clear();
    KekkaClear();
    txtX2->setFocus();
}

void frmGyakuTrvST2::cmdKitenHenkou_Click()
{
    DataClear();
    txtX1->setFocus();
}

void frmGyakuTrvST2::cmdEnd_Click() { closeScreen(); }

void frmGyakuTrvST2::startMode(Mode mode)
{
    mode_ = mode;
    cmdKitenHenkou->hide();
    cmdNEXT->setVisible(mode == Mode::Continuous);
    DataClear();
}

void frmGyakuTrvST2::Keisan()
{
    const bool shown = guarded([this] {
        // Coordinates near the ends of the double range have no difference.
        const double dX = checked::finite(fieldValue(txtX2) - fieldValue(txtX1));
        const double dY = checked::finite(fieldValue(txtY2) - fieldValue(txtY1));
        double T = 0.0, S = 0.0;
        sub_Gyaku(dX, dY, T, S);
        const ResultTexts texts = resultTexts(S, T, programValues().KeisanKeta);
        txtPS->setText(qstr(texts.distance));
        txtPT->setText(qstr(texts.direction));
    });
    if (!shown) {
        programValues().ErrFlag = 0;
        KekkaClear();
        return;
    }
    if (mode_ == Mode::Continuous)
        cmdNEXT->setFocus();
}

void frmGyakuTrvST2::DataClear()
{
    for (QLineEdit* field : {txtX1, txtY1, txtX2, txtY2})
        field->clear();
    KekkaClear();
}

void frmGyakuTrvST2::KekkaClear()
{
    txtPS->clear();
    txtPT->clear();
}
