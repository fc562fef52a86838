#pragma once
// "座標系座標変換": a point from the plane rectangular coordinates of one zone
// to those of another, through latitude and longitude. The two zones belong to
// this screen; the program's current zone is neither read nor changed.

#include "calc_screen.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class frmAreaCoordCnge_Keisan2 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmAreaCoordCnge_Keisan2(QWidget* parent = nullptr);

private:
    void createControls();
    void layOut();
    void connectHandlers();

    void Combo1_Click(int index);
    void Combo2_Click(int index);
    void txtX1_LostFocus();
    void txtY1_LostFocus();
    void cmdEnd_Click();

    void DataClear();
    void Keisan();
    // False, after its message, when list holds no zone.
    bool zoneChosen(QComboBox* list, const QString& message);

    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QLineEdit* txtB1 = nullptr;
    QLineEdit* txtL1 = nullptr;
    QLineEdit* txtB2 = nullptr;
    QLineEdit* txtL2 = nullptr;
    QLineEdit* txtX1 = nullptr;
    QLineEdit* txtY1 = nullptr;
    QLineEdit* txtX2 = nullptr;
    QLineEdit* txtY2 = nullptr;
    QPushButton* cmdEnd = nullptr;
};
