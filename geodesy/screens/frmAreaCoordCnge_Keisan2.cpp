#include "frmAreaCoordCnge_Keisan2.h"

#include "controls.h"
#include "fun_Dbl_Format.h"
#include "message_boxes.h"
#include "sub_BL_XY.h"
#include "sub_XY_BL.h"
#include "zone_list.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// An origin " 36° 0′ 0″"; a converted coordinate "  120 209.612 m".
constexpr int kOriginColumns = 13;
constexpr int kInputColumns = 14;
constexpr int kResultColumns = 15;

QString metres(double value) { return qstr(fun_Dbl_Format(value, 12, 3)) + " m"; }

void setBlankToZero(QLineEdit* field)
{
    if (field->text().trimmed().isEmpty())
        field->setText("0");
}

// A zone frame: the list, then the origin latitude and longitude.
QGroupBox* zoneFrame(QWidget* parent, const QString& title, QComboBox* list, QLineEdit* txtB0, QLineEdit* txtL0)
{
    QGroupBox* frame = controls::frame(parent, title);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(list, 0, 1, Qt::AlignLeft);
    grid->addWidget(controls::label(parent, "B0："), 1, 0);
    grid->addWidget(txtB0, 1, 1, Qt::AlignLeft);
    grid->addWidget(controls::label(parent, "L0："), 2, 0);
    grid->addWidget(txtL0, 2, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    return frame;
}

// A point: its caption beside the X and Y fields.
QGridLayout* pointGrid(QWidget* parent, const QString& caption, QLineEdit* txtX, QLineEdit* txtY)
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->addWidget(controls::label(parent, caption), 0, 0);
    grid->addWidget(controls::label(parent, "X ="), 0, 1);
    grid->addWidget(txtX, 0, 2);
    grid->addWidget(controls::label(parent, "Y ="), 1, 1);
    grid->addWidget(txtY, 1, 2);
    grid->setColumnStretch(3, 1);
    return grid;
}

} // namespace

frmAreaCoordCnge_Keisan2::frmAreaCoordCnge_Keisan2(QWidget* parent)
    : CalcScreen("frmAreaCoordCnge_Keisan2", "座標系座標変換", parent)
{
    createControls();
    layOut();
    connectHandlers();

    // Form_Load: both lists start without a zone.
    DataClear();
    for (QComboBox* list : {Combo1, Combo2}) {
        fillZoneList(list);
        list->setCurrentIndex(-1);
        list->clearEditText();
    }
    setFirstField(Combo1);
}

void frmAreaCoordCnge_Keisan2::createControls()
{
    Combo1 = controls::editableCombo(this, "Combo1");
    Combo2 = controls::editableCombo(this, "Combo2");
    // The origins are shown only: result fields.
    txtB1 = controls::result(this, "txtB1");
    txtL1 = controls::result(this, "txtL1");
    txtB2 = controls::result(this, "txtB2");
    txtL2 = controls::result(this, "txtL2");
    txtX1 = controls::input(this, "txtX1");
    txtY1 = controls::input(this, "txtY1");
    txtX2 = controls::result(this, "txtX2");
    txtY2 = controls::result(this, "txtY2");
    cmdEnd = controls::button(this, "cmdEnd", "終了");
    for (QLineEdit* field : {txtB1, txtL1, txtB2, txtL2})
        controls::setColumns(field, kOriginColumns);
    for (QLineEdit* field : {txtX1, txtY1})
        controls::setColumns(field, kInputColumns);
    for (QLineEdit* field : {txtX2, txtY2})
        controls::setColumns(field, kResultColumns);
}

void frmAreaCoordCnge_Keisan2::layOut()
{
    auto* root = new QGridLayout(this);
    root->setContentsMargins(6, 4, 6, 4);
    root->setSpacing(3);
    root->addWidget(zoneFrame(this, "元座標系", Combo1, txtB1, txtL1), 0, 0);
    root->addWidget(controls::label(this, "→", "lblYazirusi"), 0, 1, Qt::AlignCenter);
    root->addWidget(zoneFrame(this, "変換座標系", Combo2, txtB2, txtL2), 0, 2);
    root->addLayout(pointGrid(this, "入力座標", txtX1, txtY1), 1, 0);
    root->addLayout(pointGrid(this, "変換座標", txtX2, txtY2), 1, 2);
    root->addWidget(controls::label(this, "世 界 測 地 系", "Label1"), 2, 0);
    root->addWidget(cmdEnd, 2, 2, Qt::AlignRight);
    root->setRowStretch(3, 1);
}

void frmAreaCoordCnge_Keisan2::connectHandlers()
{
    connect(Combo1, &QComboBox::activated, this, &frmAreaCoordCnge_Keisan2::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &frmAreaCoordCnge_Keisan2::Combo2_Click);
    // Enter in a list does nothing, in particular it chooses no item.
    for (QComboBox* list : {Combo1, Combo2})
        setFieldHandlers(list, {{}, {}, false});
    setFieldHandlers(txtX1, {[this] { txtY1->setFocus(); }, [this] { txtX1_LostFocus(); }});
    setFieldHandlers(txtY1, {[this] { txtX1->setFocus(); }, [this] { txtY1_LostFocus(); }});
    connect(cmdEnd, &QPushButton::clicked, this, &frmAreaCoordCnge_Keisan2::cmdEnd_Click);
}

void frmAreaCoordCnge_Keisan2::Combo1_Click(int index)
{
    DataClear();
    GentenHyoji(zoneOf(Combo1->itemText(index)), txtB1, txtL1);
    Combo2->setFocus();
}

void frmAreaCoordCnge_Keisan2::Combo2_Click(int index)
{
    DataClear();
    GentenHyoji(zoneOf(Combo2->itemText(index)), txtB2, txtL2);
    txtX1->setFocus();
}

void frmAreaCoordCnge_Keisan2::txtX1_LostFocus()
{
    setBlankToZero(txtX1);
    txtX2->clear();
    txtY2->clear();
}

void frmAreaCoordCnge_Keisan2::txtY1_LostFocus()
{
    setBlankToZero(txtY1);
    Keisan();
}

void frmAreaCoordCnge_Keisan2::cmdEnd_Click() { closeScreen(); }

void frmAreaCoordCnge_Keisan2::DataClear()
{
    for (QLineEdit* field : {txtX1, txtY1, txtX2, txtY2})
        field->clear();
}

bool frmAreaCoordCnge_Keisan2::zoneChosen(QComboBox* list, const QString& message)
{
    if (!list->currentText().trimmed().isEmpty())
        return true;
    showMessage(this, QMessageBox::Warning, "入力データ", message);
    DataClear();
    list->setFocus();
    return false;
}

void frmAreaCoordCnge_Keisan2::Keisan()
{
    if (!zoneChosen(Combo1, "元座標系を選択してください。") || !zoneChosen(Combo2, "変換座標系を選択してください。"))
        return;
    guarded([this] {
        // A zone typed into a list counts as it reads, without its origin shown.
        const int16_t source = zoneOf(Combo1->currentText());
        const int16_t target = zoneOf(Combo2->currentText());
        double B = 0.0, L = 0.0, gamma = 0.0, m = 0.0;
        sub_XY_BL(source, fieldValue(txtX1), fieldValue(txtY1), B, L, gamma, m);
        double X2 = 0.0, Y2 = 0.0;
        sub_BL_XY(target, B, L, X2, Y2, gamma, m);
        txtX2->setText(metres(X2));
        txtY2->setText(metres(Y2));
    });
}
