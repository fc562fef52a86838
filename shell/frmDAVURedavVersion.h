#pragma once
// The version window: the program's name, version and date, and the way to
// the help message.

#include <QWidget>

class QLabel;

class frmDAVURedavVersion : public QWidget {
    Q_OBJECT
public:
    explicit frmDAVURedavVersion(QWidget* parent = nullptr);

    void cmdHelp_Click();
    void cmdOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* Image1;
};
