#pragma once
// The splash window: the splash picture for 50 ticks of 60 ms, about three
// seconds, then it closes itself.

#include <QDialog>

class QLabel;
class QTimer;

class frmDAVURedavStart : public QDialog {
    Q_OBJECT
public:
    static constexpr int kInterval = 60; // ms
    static constexpr int kTicks = 50;

    explicit frmDAVURedavStart(QWidget* parent = nullptr);

    void Tim_Timer();
    int ticks() const { return ticks_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Pic;
    QTimer* Tim;
    int ticks_ = 0;
};
