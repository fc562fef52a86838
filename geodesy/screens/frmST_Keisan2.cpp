#include "frmST_Keisan2.h"

#include "angle_text.h"
#include "checked_math.h"
#include "controls.h"
#include "fun_Dbl_Format.h"
#include "program_values.h"
#include "sub_Gyaku.h"
#include "sub_ST_Hosei.h"
#include "zone_list.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Widest result text: a direction angle "243°26′ 4.969″".
constexpr int kResultColumns = 17;
constexpr int kInputColumns = 14;

QString metres(double value) { return qstr(fun_Dbl_Format(value, 15, 3)) + "m"; }
QString angleText(double degrees) { return qstr(angleTextSeconds(degrees, 3)); }

// A direction angle brought into 0 <= angle < 360.
double directionAngle(double degrees)
{
    if (degrees < 0.0)
        degrees += 360.0;
    if (degrees >= 360.0)
        degrees -= 360.0;
    return degrees;
}

} // namespace

frmST_Keisan2::frmST_Keisan2(QWidget* parent) : CalcScreen("frmST_Keisan2", "座標による距離・方向角の計算", parent)
{
    createControls();
    layOut();
    connectHandlers();

    // Form_Load: the zone is shown as it is, the arbitrary system 0 included.
    showDatum();
    fillZoneList(Combo1, ArbitraryZone::AtBothEnds);
    showZone(Combo1, programValues().ZahyoKei);
    setFirstField(txtX1);
}

void frmST_Keisan2::createControls()
{
    Combo1 = controls::editableCombo(this, "Combo1");
    lblSekaiSokuti = controls::label(this, {}, "lblSekaiSokuti");
    txtX1 = controls::input(this, "txtX1");
    txtY1 = controls::input(this, "txtY1");
    txtX2 = controls::input(this, "txtX2");
    txtY2 = controls::input(this, "txtY2");
    txtS1 = controls::result(this, "txtS1");
    txtT12 = controls::result(this, "txtT12");
    txtT21 = controls::result(this, "txtT21");
    txtS2 = controls::result(this, "txtS2");
    cmdClear = controls::button(this, "cmdClear", "データクリア");
    cmdEND = controls::button(this, "cmdEND", "終了");
    for (QLineEdit* field : {txtX1, txtY1, txtX2, txtY2})
        controls::setColumns(field, kInputColumns);
    for (QLineEdit* field : {txtS1, txtT12, txtT21, txtS2})
        controls::setColumns(field, kResultColumns);
}

void frmST_Keisan2::layOut()
{
    auto* zone = new QHBoxLayout;
    zone->addWidget(controls::label(this, "座標系 ="));
    zone->addWidget(Combo1);
    zone->addSpacing(12);
    zone->addWidget(lblSekaiSokuti);
    zone->addStretch();

    auto* points = new QGridLayout;
    points->addWidget(controls::label(this, "X1="), 0, 0);
    points->addWidget(txtX1, 0, 1);
    points->addWidget(controls::label(this, "Y1="), 0, 2);
    points->addWidget(txtY1, 0, 3);
    points->addWidget(controls::label(this, "X2="), 1, 0);
    points->addWidget(txtX2, 1, 1);
    points->addWidget(controls::label(this, "Y2="), 1, 2);
    points->addWidget(txtY2, 1, 3);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdClear);
    buttons->addWidget(cmdEND);

    auto* inputs = new QHBoxLayout;
    inputs->addLayout(points);
    inputs->addStretch();
    inputs->addLayout(buttons);

    QGroupBox* results = controls::frame(this, "計算結果");
    auto* grid = new QGridLayout(results);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(controls::label(this, "平面距離 ="), 0, 0);
    grid->addWidget(txtS1, 0, 1);
    grid->addWidget(controls::label(this, "方向角12 ="), 0, 2);
    grid->addWidget(txtT12, 0, 3);
    grid->addWidget(controls::label(this, "球面距離 ="), 1, 0);
    grid->addWidget(txtS2, 1, 1);
    grid->addWidget(controls::label(this, "方向角21 ="), 1, 2);
    grid->addWidget(txtT21, 1, 3);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 4, 6, 4);
    root->setSpacing(3);
    root->addLayout(zone);
    root->addLayout(inputs);
    root->addWidget(results);
    root->addStretch();
}

void frmST_Keisan2::connectHandlers()
{
    connect(Combo1, &QComboBox::activated, this, &frmST_Keisan2::Combo1_Click);
    setFieldHandlers(Combo1, {[this] { txtX1->setFocus(); }, [this] { Combo1_LostFocus(); }, false});
    setFieldHandlers(txtX1, {[this] {
                                 KekkaClear();
                                 txtY1->setFocus();
                             },
                             [this] { rewriteAsNumber(txtX1); }});
    setFieldHandlers(txtY1, {[this] { txtX2->setFocus(); }, [this] { rewriteAsNumber(txtY1); }});
    setFieldHandlers(txtX2, {[this] { txtY2->setFocus(); }, [this] { rewriteAsNumber(txtX2); }});
    setFieldHandlers(txtY2, {[this] { txtX1->setFocus(); }, [this] { txtY2_LostFocus(); }});
    connect(cmdClear, &QPushButton::clicked, this, &frmST_Keisan2::cmdClear_Click);
    connect(cmdEND, &QPushButton::clicked, this, &frmST_Keisan2::cmdEnd_Click);
}

void frmST_Keisan2::Combo1_Click(int index)
{
    programValues().ZahyoKei = zoneOf(Combo1->itemText(index));
    showDatum();
    txtX1->setFocus();
}

void frmST_Keisan2::Combo1_LostFocus() { rewriteAsNumber(Combo1->lineEdit()); }

void frmST_Keisan2::txtY2_LostFocus()
{
    rewriteAsNumber(txtY2);
    Keisan();
}

void frmST_Keisan2::cmdClear_Click()
{
    for (QLineEdit* field : {txtX1, txtY1, txtX2, txtY2})
        field->clear();
    KekkaClear();
    txtX1->setFocus();
}

void frmST_Keisan2::cmdEnd_Click() { closeScreen(); }

void frmST_Keisan2::showDatum()
{
    lblSekaiSokuti->setText(programValues().ZahyoKei == 0 ? "任 意 座 標 系" : "世 界 測 地 系");
}

void frmST_Keisan2::KekkaClear()
{
    for (QLineEdit* field : {txtT12, txtT21, txtS1, txtS2})
        field->clear();
}

void frmST_Keisan2::Keisan()
{
    guarded([this] {
        const double X1 = fieldValue(txtX1);
        const double Y1 = fieldValue(txtY1);
        const double X2 = fieldValue(txtX2);
        const double Y2 = fieldValue(txtY2);
        double T = 0.0, S = 0.0;
        sub_Gyaku(X2 - X1, Y2 - Y1, T, S);
        double delta12 = 0.0, delta21 = 0.0, k = 0.0;
        sub_ST_Hosei(programValues().ZahyoKei, X1, Y1, X2, Y2, delta12, delta21, k);
        const double t12 = directionAngle(T - delta12);
        const double t21 = directionAngle(T + 180.0 - delta21);
        txtS1->setText(metres(S));
        txtS2->setText(metres(checked::div(S, k)));
        txtT12->setText(angleText(t12));
        txtT21->setText(angleText(t21));
        txtX1->setFocus();
    });
}
