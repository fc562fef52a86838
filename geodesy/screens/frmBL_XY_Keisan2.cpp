#include "frmBL_XY_Keisan2.h"

#include "angle_text.h"
#include "controls.h"
#include "fun_Dbl_Format.h"
#include "option_click.h"
#include "program_values.h"
#include "sub_BL_XY.h"
#include "sub_Hr.h"
#include "sub_XY_BL.h"
#include "zone_list.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct Labels {
    const char* B;
    const char* L;
    const char* X;
    const char* Y;
    bool angleHint;
};
constexpr Labels kBLtoXY{"Ｂ=", "Ｌ=", "Ｘ =", "Ｙ =", true};
constexpr Labels kXYtoBL{"Ｘ=", "Ｙ=", "緯度（Ｂ） =", "経度（Ｌ） =", false};

// Widest result text: a latitude " 36° 0′ 0.00000″".
constexpr int kResultColumns = 19;
constexpr int kInputColumns = 14;

QString metres(double value) { return qstr(fun_Dbl_Format(value, 16, 4)) + "m"; }
QString scaleText(double m) { return qstr(fun_Dbl_Format(m, 15, 8)); }
QString convergenceText(double gamma, char sign) { return qstr(angleTextSecondsSigned(gamma, 2, sign)); }

} // namespace

frmBL_XY_Keisan2::frmBL_XY_Keisan2(QWidget* parent) : CalcScreen("frmBL_XY_Keisan2", "BL ←→ XY 変換", parent)
{
    createControls();
    layOut();
    connectHandlers();

    // Form_Load: the arbitrary system 0 is not offered here; it becomes zone 1.
    int16_t& zone = programValues().ZahyoKei;
    if (zone == 0)
        zone = 1;
    fillZoneList(Combo1);
    showZone(Combo1, zone);
    Option1->setChecked(true);
    setFirstField(txtB);
}

void frmBL_XY_Keisan2::createControls()
{
    Combo1 = controls::editableCombo(this, "Combo1");
    Option1 = controls::option(this, "Option1", "BL → XY 変換");
    Option2 = controls::option(this, "Option2", "XY → BL 変換");
    lblB = controls::label(this, {}, "lblB");
    lblL = controls::label(this, {}, "lblL");
    txtB = controls::input(this, "txtB");
    txtL = controls::input(this, "txtL");
    lblKAKU = controls::label(this, "角度入力：（ 35°4′23.″1846 → 35.04231846 ）", "lblKAKU");
    Label1 = controls::label(this, "世 界 測 地 系", "Label1");
    lblX = controls::label(this, {}, "lblX");
    lblY = controls::label(this, {}, "lblY");
    txtX = controls::result(this, "txtX");
    txtY = controls::result(this, "txtY");
    txtG = controls::result(this, "txtG");
    txtM = controls::result(this, "txtM");
    cmdClear = controls::button(this, "cmdClear", "データクリア");
    cmdEND = controls::button(this, "cmdEND", "終了");
    for (QLineEdit* field : {txtB, txtL})
        controls::setColumns(field, kInputColumns);
    for (QLineEdit* field : {txtX, txtY, txtG, txtM})
        controls::setColumns(field, kResultColumns);
    // The hint keeps its place while hidden, so nothing moves with the direction.
    QSizePolicy hintPolicy = lblKAKU->sizePolicy();
    hintPolicy.setRetainSizeWhenHidden(true);
    lblKAKU->setSizePolicy(hintPolicy);
}

void frmBL_XY_Keisan2::layOut()
{
    auto* inputs = new QGridLayout;
    inputs->addWidget(controls::label(this, "座標系 ="), 0, 0);
    inputs->addWidget(Combo1, 0, 1, Qt::AlignLeft);
    inputs->addWidget(Label1, 0, 2);
    inputs->addWidget(lblB, 1, 0);
    inputs->addWidget(txtB, 1, 1, 1, 2);
    inputs->addWidget(lblL, 2, 0);
    inputs->addWidget(txtL, 2, 1, 1, 2);

    QGroupBox* method = controls::frame(this, "計算方法");
    auto* options = new QVBoxLayout(method);
    options->setContentsMargins(6, 2, 6, 4);
    options->addWidget(Option1);
    options->addWidget(Option2);

    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addStretch();
    top->addWidget(method);

    QGroupBox* results = controls::frame(this, "計算結果");
    auto* grid = new QGridLayout(results);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(lblX, 0, 0);
    grid->addWidget(txtX, 0, 1);
    grid->addWidget(lblY, 1, 0);
    grid->addWidget(txtY, 1, 1);
    grid->addWidget(controls::label(this, "真北方向角 ="), 2, 0);
    grid->addWidget(txtG, 2, 1);
    grid->addWidget(controls::label(this, "縮尺係数 ="), 3, 0);
    grid->addWidget(txtM, 3, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClear);
    buttons->addWidget(cmdEND);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(results);
    bottom->addStretch();
    bottom->addLayout(buttons);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 4, 6, 4);
    root->setSpacing(3);
    root->addLayout(top);
    root->addWidget(lblKAKU);
    root->addLayout(bottom);
    root->addStretch();
}

void frmBL_XY_Keisan2::connectHandlers()
{
    onChosen(Option1, this, &frmBL_XY_Keisan2::Option1_Click);
    onChosen(Option2, this, &frmBL_XY_Keisan2::Option2_Click);
    connect(Combo1, &QComboBox::activated, this, &frmBL_XY_Keisan2::Combo1_Click);
    setFieldHandlers(Combo1, {[this] { txtB->setFocus(); }, [this] { Combo1_LostFocus(); }, false});
    setFieldHandlers(txtB, {[this] {
                                KekkaClear();
                                txtL->setFocus();
                            },
                            [this] { txtB_LostFocus(); }});
    setFieldHandlers(txtL, {[this] { txtB->setFocus(); }, [this] { txtL_LostFocus(); }});
    connect(cmdClear, &QPushButton::clicked, this, &frmBL_XY_Keisan2::cmdClear_Click);
    connect(cmdEND, &QPushButton::clicked, this, &frmBL_XY_Keisan2::cmdEnd_Click);
}

void frmBL_XY_Keisan2::showLabels(Direction direction)
{
    const Labels& labels = direction == Direction::BLtoXY ? kBLtoXY : kXYtoBL;
    lblB->setText(labels.B);
    lblL->setText(labels.L);
    lblX->setText(labels.X);
    lblY->setText(labels.Y);
    lblKAKU->setVisible(labels.angleHint);
}

void frmBL_XY_Keisan2::Option1_Click()
{
    showLabels(Direction::BLtoXY);
    DataClear();
    KekkaClear();
}

void frmBL_XY_Keisan2::Option2_Click()
{
    showLabels(Direction::XYtoBL);
    DataClear();
    KekkaClear();
    txtB->setFocus();
}

void frmBL_XY_Keisan2::Combo1_Click(int index)
{
    programValues().ZahyoKei = zoneOf(Combo1->itemText(index));
    txtB->setFocus();
}

void frmBL_XY_Keisan2::Combo1_LostFocus() { rewriteAsNumber(Combo1->lineEdit()); }

void frmBL_XY_Keisan2::txtB_LostFocus()
{
    rewriteAsNumber(txtB);
    KekkaClear();
}

void frmBL_XY_Keisan2::txtL_LostFocus()
{
    rewriteAsNumber(txtL);
    if (Option1->isChecked())
        KeisanBLXY();
    else
        KeisanXYBL();
}

void frmBL_XY_Keisan2::cmdClear_Click()
{
    DataClear();
    KekkaClear();
}

void frmBL_XY_Keisan2::cmdEnd_Click() { closeScreen(); }

void frmBL_XY_Keisan2::DataClear()
{
    txtB->clear();
    txtL->clear();
}

void frmBL_XY_Keisan2::KekkaClear()
{
    for (QLineEdit* field : {txtX, txtY, txtG, txtM})
        field->clear();
}

void frmBL_XY_Keisan2::KeisanBLXY()
{
    guarded([this] {
        const double B = dmmssToDegrees(fieldValue(txtB));
        const double L = dmmssToDegrees(fieldValue(txtL));
        double X = 0.0, Y = 0.0, gamma = 0.0, m = 0.0;
        sub_BL_XY(programValues().ZahyoKei, B, L, X, Y, gamma, m);
        txtX->setText(metres(X));
        txtY->setText(metres(Y));
        // On the central meridian the convergence is a negative zero: "-".
        txtG->setText(convergenceText(gamma, gamma > 0.0 ? '+' : '-'));
        txtM->setText(scaleText(m));
        txtB->setFocus();
    });
}

void frmBL_XY_Keisan2::KeisanXYBL()
{
    guarded([this] {
        const double X = fieldValue(txtB);
        const double Y = fieldValue(txtL);
        double B = 0.0, L = 0.0, gamma = 0.0, m = 0.0;
        sub_XY_BL(programValues().ZahyoKei, X, Y, B, L, gamma, m);
        txtX->setText(qstr(angleTextSeconds(B, 5)));
        txtY->setText(qstr(angleTextSeconds(L, 5)));
        // Here the negative zero of the central meridian counts as 0 and above: "+".
        txtG->setText(convergenceText(gamma, gamma >= 0.0 ? '+' : '-'));
        txtM->setText(scaleText(m));
        txtB->setFocus();
    });
}
