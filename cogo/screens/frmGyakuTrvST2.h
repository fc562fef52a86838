#pragma once
// "逆座標（Ｓ・Ｔ）計算": the distance S and the direction angle T from a base
// point to a sight point. Three ways of working: one pair of points at a time,
// one base point with a series of sight points (radial), or a chain of points
// where each sight point becomes the next base point (continuous).

#include "calc_screen.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

class frmGyakuTrvST2 : public CalcScreen {
    Q_OBJECT
public:
    explicit frmGyakuTrvST2(QWidget* parent = nullptr);

private:
    enum class Mode { Single = 1, Radial = 2, Continuous = 3 };

    void createControls();
    void layOut();
    void connectHandlers();

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Opt3_Click();
    void Opt6_Click();
    // Enter in txtY2: where the next point is typed depends on the mode.
    void txtY2_Enter();
    void txtX1_LostFocus();
    void txtX2_LostFocus();
    void txtY2_LostFocus();
    void cmdNEXT_Click();
    void cmdKitenHenkou_Click();
    void cmdEnd_Click();

    // What every mode button does: the mode, which buttons show, empty fields.
    void startMode(Mode mode);
    void Keisan();
    void DataClear();
    void KekkaClear();

    Mode mode_ = Mode::Single;

    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Opt3 = nullptr;
    QRadioButton* Opt6 = nullptr;
    QLineEdit* txtX1 = nullptr;
    QLineEdit* txtY1 = nullptr;
    QLineEdit* txtX2 = nullptr;
    QLineEdit* txtY2 = nullptr;
    QLineEdit* txtPS = nullptr;
    QLineEdit* txtPT = nullptr;
    QPushButton* cmdNEXT = nullptr;
    QPushButton* cmdKitenHenkou = nullptr;
    QPushButton* cmdEnd = nullptr;
};
