#pragma once
// "BL ←→ XY 変換": one point at a time from latitude/longitude to the plane
// rectangular coordinates of the current zone or back, with the direction
// angle of true north and the point scale factor.

#include "calc_screen.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmBL_XY_Keisan2 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmBL_XY_Keisan2(QWidget* parent = nullptr);

private:
    void createControls();
    void layOut();
    void connectHandlers();

    void Option1_Click();
    void Option2_Click();
    void Combo1_Click(int index);
    void Combo1_LostFocus();
    void txtB_LostFocus();
    void txtL_LostFocus();
    void cmdClear_Click();
    void cmdEnd_Click();

    void DataClear();
    void KekkaClear();
    void KeisanBLXY();
    void KeisanXYBL();

    enum class Direction { BLtoXY, XYtoBL };
    // The captions of the inputs and results, and the angle hint, of a direction.
    void showLabels(Direction direction);

    QComboBox* Combo1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* lblB = nullptr;
    QLabel* lblL = nullptr;
    QLabel* lblKAKU = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblX = nullptr;
    QLabel* lblY = nullptr;
    QLineEdit* txtB = nullptr;
    QLineEdit* txtL = nullptr;
    QLineEdit* txtX = nullptr;
    QLineEdit* txtY = nullptr;
    QLineEdit* txtG = nullptr;
    QLineEdit* txtM = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdEND = nullptr;
};
