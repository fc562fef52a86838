#pragma once
// "オープントラバース座標計算": new points from a known station, a back-sight
// direction, an included angle and a distance. Radial: every point from the
// same station; continuous: each new point becomes the station of the next leg
// and the old station its back-sight. The back-sight is typed as a direction
// angle or computed from the coordinates of the back-sight point.

#include "calc_screen.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmOpenTrv2 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmOpenTrv2(QWidget* parent = nullptr);

private:
    void createControls();
    void layOut();
    void connectHandlers();

    void Option1_Click();
    void Option2_Click();
    void cmdClear_Click();
    void Check1_Click();
    void txtKY_LostFocus();
    // Enter in txtS.
    void txtS_Enter();
    void txtS_LostFocus();
    void cmdNEXT_Click();
    void cmdNEXT_LostFocus();
    void cmdEnd_Click();

    // The first field of the back-sight: its point when given by coordinates.
    void focusBackSight();
    void DataClear();
    void KansokuClear();
    void BackTKeisan();
    void Keisan();
    void NextJunbi();

    // The last leg computed: its direction (degrees) and its new point rounded
    // to 3 decimals, carried forward by NextJunbi in continuous mode.
    double lastT_ = 0.0;
    double lastX_ = 0.0;
    double lastY_ = 0.0;

    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QWidget* fraBackXY = nullptr;
    QLineEdit* txtBackX = nullptr;
    QLineEdit* txtBackY = nullptr;
    QLineEdit* txtBackT = nullptr;
    QLineEdit* txtKX = nullptr;
    QLineEdit* txtKY = nullptr;
    QLineEdit* txtA = nullptr;
    QLineEdit* txtS = nullptr;
    QLineEdit* txtPX = nullptr;
    QLineEdit* txtPY = nullptr;
    QLineEdit* txtPT = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdNEXT = nullptr;
    QPushButton* cmdEnd = nullptr;
};
