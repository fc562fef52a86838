#pragma once
// "座標による距離・方向角の計算": the plane distance between two points of the
// current zone, the distance on the ellipsoid, and the direction angles at both
// ends corrected from chord to arc.

#include "calc_screen.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmST_Keisan2 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmST_Keisan2(QWidget* parent = nullptr);

private:
    void createControls();
    void layOut();
    void connectHandlers();

    void Combo1_Click(int index);
    void Combo1_LostFocus();
    void txtY2_LostFocus();
    void cmdClear_Click();
    void cmdEnd_Click();

    // The datum caption of the current zone.
    void showDatum();
    void KekkaClear();
    void Keisan();

    QComboBox* Combo1 = nullptr;
    QLabel* lblSekaiSokuti = nullptr;
    QLineEdit* txtX1 = nullptr;
    QLineEdit* txtY1 = nullptr;
    QLineEdit* txtX2 = nullptr;
    QLineEdit* txtY2 = nullptr;
    QLineEdit* txtS1 = nullptr;
    QLineEdit* txtT12 = nullptr;
    QLineEdit* txtT21 = nullptr;
    QLineEdit* txtS2 = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdEND = nullptr;
};
