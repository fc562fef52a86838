#include "frmOpenTrv2.h"

#include "angle_text.h"
#include "checked_math.h"
#include "controls.h"
#include "fun_Dbl_Format.h"
#include "layout_parts.h"
#include "message_boxes.h"
#include "option_click.h"
#include "program_values.h"
#include "sub_Deg_Rad.h"
#include "sub_Gyaku.h"
#include "sub_Hr.h"
#include "sub_Marume.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace {

// Coordinates are shown in 13 columns; the widest direction "359°59′59″" too.
constexpr int kResultColumns = 13;

// The angle a field holds in d.mmss notation, in decimal degrees.
double degreesOf(const QLineEdit* field) { return dmmssToDegrees(fieldValue(field)); }

// A direction brought below 360 by one turn at most.
double belowFullTurn(double degrees) { return degrees >= 360.0 ? degrees - 360.0 : degrees; }

QString coordinateText(double value) { return qstr(fun_Dbl_Format(value, 13, 3)); }

} // namespace

frmOpenTrv2::frmOpenTrv2(QWidget* parent) : CalcScreen("frmOpenTrv2", "オープントラバース座標計算", parent)
{
    createControls();
    layOut();
    connectHandlers();

    // Form_Load: the back-sight given as a direction angle, radial mode, every
    // field empty (Option1_Click).
    programValues().KeisanKeta = 3;
    fraBackXY->hide();
    Option1->setChecked(true);
    setFirstField(txtBackT);
}

void frmOpenTrv2::createControls()
{
    Option1 = controls::option(this, "Option1", "放射（単独）");
    Option2 = controls::option(this, "Option2", "連　続");
    auto* modes = new QButtonGroup(this);
    modes->addButton(Option1);
    modes->addButton(Option2);

    Check1 = controls::check(this, "Check1", "座標入力");
    fraBackXY = new QWidget(this);
    fraBackXY->setObjectName("fraBackXY");
    keepPlaceWhenHidden(fraBackXY);
    txtBackX = controls::input(fraBackXY, "txtBackX");
    txtBackY = controls::input(fraBackXY, "txtBackY");
    txtBackT = controls::input(this, "txtBackT");
    txtKX = controls::input(this, "txtKX");
    txtKY = controls::input(this, "txtKY");
    txtA = controls::input(this, "txtA");
    txtS = controls::input(this, "txtS");
    txtPX = controls::result(this, "txtPX");
    txtPY = controls::result(this, "txtPY");
    txtPT = controls::result(this, "txtPT");
    for (QLineEdit* field : {txtPX, txtPY, txtPT})
        controls::setColumns(field, kResultColumns);
    cmdClear = controls::button(this, "cmdClear", "クリア");
    cmdNEXT = controls::button(this, "cmdNEXT", "次へ");
    cmdEnd = controls::button(this, "cmdEnd", "終了");
}

void frmOpenTrv2::layOut()
{
    auto* modes = new QHBoxLayout;
    modes->addWidget(controls::label(this, "計算の種類 ："));
    modes->addWidget(Option1);
    modes->addWidget(Option2);
    modes->addStretch();

    auto* backXY = new QHBoxLayout(fraBackXY);
    backXY->setContentsMargins(0, 0, 0, 0);
    addLabelled(backXY, fraBackXY, {{"Ｘ =", txtBackX}, {"Ｙ =", txtBackY}});

    QGroupBox* backSight = controls::frame(this, "後視点");
    auto* back = new QGridLayout(backSight);
    back->setContentsMargins(6, 0, 6, 3);
    back->setVerticalSpacing(2);
    back->addWidget(Check1, 0, 0, 1, 2);
    back->addWidget(fraBackXY, 1, 0, 1, 2);
    back->addWidget(controls::label(backSight, "後視方向角（Ｔ） ="), 2, 0);
    back->addWidget(txtBackT, 2, 1);

    QGroupBox* inputs = controls::frame(this, "入力データ");
    auto* input = new QVBoxLayout(inputs);
    input->setContentsMargins(4, 0, 4, 3);
    input->setSpacing(2);
    input->addWidget(backSight);
    input->addWidget(frameInOneRow(inputs, "既知点座標", {{"Ｘ =", txtKX}, {"Ｙ =", txtKY}}));
    input->addWidget(frameInOneRow(inputs, "観測データ", {{"夾角 =", txtA}, {"距離 =", txtS}}));
    input->addWidget(controls::label(inputs, "角度入力：（ 35°4′23″→ 35.0423 ）"));

    QGroupBox* results = frameOfRows(this, "計算結果", {{"Ｘ =", txtPX}, {"Ｙ =", txtPY}, {"Ｔ =", txtPT}});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdClear);
    buttons->addStretch();
    buttons->addWidget(cmdNEXT);
    buttons->addWidget(cmdEnd);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 4, 6, 4);
    root->setSpacing(3);
    root->addLayout(modes);
    root->addWidget(inputs);
    root->addWidget(results);
    root->addStretch();
    root->addLayout(buttons);
}

void frmOpenTrv2::connectHandlers()
{
    onChosen(Option1, this, &frmOpenTrv2::Option1_Click);
    onChosen(Option2, this, &frmOpenTrv2::Option2_Click);
    connect(Check1, &QCheckBox::toggled, this, &frmOpenTrv2::Check1_Click);

    // Enter moves along the chain of fields; leaving one writes it in normal form.
    const auto chained = [](QLineEdit* field, QWidget* next) {
        return FieldHandlers{[next] { next->setFocus(); }, [field] { rewriteAsNumber(field); }, false};
    };
    setFieldHandlers(txtBackX, chained(txtBackX, txtBackY));
    setFieldHandlers(txtBackY, chained(txtBackY, txtKX));
    setFieldHandlers(txtBackT, chained(txtBackT, txtKX));
    setFieldHandlers(txtKX, chained(txtKX, txtKY));
    setFieldHandlers(txtKY, {[this] { txtA->setFocus(); }, [this] { txtKY_LostFocus(); }, false});
    setFieldHandlers(txtA, chained(txtA, txtS));
    setFieldHandlers(txtS, {[this] { txtS_Enter(); }, [this] { txtS_LostFocus(); }, false});
    // Enter on the focused button clicks it, as on every other button.
    setFieldHandlers(cmdNEXT, {[this] { cmdNEXT->click(); }, [this] { cmdNEXT_LostFocus(); }, false});

    connect(cmdClear, &QPushButton::clicked, this, &frmOpenTrv2::cmdClear_Click);
    connect(cmdNEXT, &QPushButton::clicked, this, &frmOpenTrv2::cmdNEXT_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &frmOpenTrv2::cmdEnd_Click);
}

// The handlers that empty the fields move the focus first: leaving 次へ puts
// the focus into txtA, and leaving txtA after it was emptied would write it
// back as 0.

void frmOpenTrv2::Option1_Click()
{
    if (Check1->isChecked())
        focusBackSight();
    DataClear();
}

void frmOpenTrv2::Option2_Click()
{
    focusBackSight();
    DataClear();
}

void frmOpenTrv2::cmdClear_Click()
{
    focusBackSight();
    DataClear();
}

void frmOpenTrv2::Check1_Click()
{
    fraBackXY->setVisible(Check1->isChecked());
    focusBackSight();
    DataClear();
}

void frmOpenTrv2::txtKY_LostFocus()
{
    rewriteAsNumber(txtKY);
    if (Check1->isChecked())
        BackTKeisan();
}

void frmOpenTrv2::txtS_Enter()
{
    rewriteAsNumber(txtS);
    Keisan();
}

void frmOpenTrv2::txtS_LostFocus()
{
    rewriteAsNumber(txtS);
    Keisan();
    cmdNEXT->setFocus();
}

void frmOpenTrv2::cmdNEXT_Click() { txtA->setFocus(); }

void frmOpenTrv2::cmdNEXT_LostFocus() { NextJunbi(); }

void frmOpenTrv2::cmdEnd_Click() { closeScreen(); }

void frmOpenTrv2::focusBackSight()
{
    QLineEdit* first = Check1->isChecked() ? txtBackX : txtBackT;
    first->setFocus();
    // Leaving 次へ on the way has sent the focus on to txtA.
    if (!first->hasFocus())
        first->setFocus();
}

void frmOpenTrv2::DataClear()
{
    for (QLineEdit* field : {txtBackX, txtBackY, txtBackT, txtKX, txtKY})
        field->clear();
    KansokuClear();
}

void frmOpenTrv2::KansokuClear()
{
    for (QLineEdit* field : {txtA, txtS, txtPT, txtPX, txtPY})
        field->clear();
}

void frmOpenTrv2::BackTKeisan()
{
    const bool computed = guarded([this] {
        const double dX = checked::finite(fieldValue(txtBackX) - fieldValue(txtKX));
        const double dY = checked::finite(fieldValue(txtBackY) - fieldValue(txtKY));
        double T = 0.0, S = 0.0;
        sub_Gyaku(dX, dY, T, S);
        txtBackT->setText(qstr(angleTextDmmss(T, 9)));
    });
    if (!computed)
        programValues().ErrFlag = 0;
}

void frmOpenTrv2::Keisan()
{
    try {
        const double backT = degreesOf(txtBackT);
        const double KX = fieldValue(txtKX);
        const double KY = fieldValue(txtKY);
        const double A = degreesOf(txtA);
        const double S = fieldValue(txtS);
        const double T = belowFullTurn(backT + A);
        const double t = sub_Deg_Rad(T);
        double X = checked::finite(KX + S * std::cos(t));
        double Y = checked::finite(KY + S * std::sin(t));
        const std::string direction = angleTextPlain(T);
        sub_Marume(X, 3, X);
        sub_Marume(Y, 3, Y);
        // Nothing is written before every value is known.
        txtPT->setText(qstr(direction));
        txtPX->setText(coordinateText(X));
        txtPY->setText(coordinateText(Y));
        lastX_ = X;
        lastY_ = Y;
        lastT_ = T;
        cmdNEXT->setFocus();
    } catch (const RuntimeError&) {
        showMessage(this, QMessageBox::Critical, "エラー", "入力データ　？");
    }
}

void frmOpenTrv2::NextJunbi()
{
    KansokuClear();
    if (Option2->isChecked()) {
        // The old station becomes the back-sight, the new point the station.
        if (Check1->isChecked()) {
            txtBackX->setText(txtKX->text());
            txtBackY->setText(txtKY->text());
        }
        txtBackT->setText(qstr(angleTextDmmss(belowFullTurn(lastT_ + 180.0), 8)));
        txtKX->setText(coordinateText(lastX_));
        txtKY->setText(coordinateText(lastY_));
    }
    txtA->setFocus();
}
