#pragma once
// The catalogue: the list of the twenty-two calculations at the left edge of
// the main window. Choosing an entry closes what is open and opens it.

#include <QWidget>

class QListWidget;
class QMdiArea;

class frmDAVURedavMenu : public QWidget {
    Q_OBJECT
public:
    explicit frmDAVURedavMenu(QMdiArea* area, QWidget* parent = nullptr);

    void List1_Click();
    void cmdEnd_Click();

private:
    QMdiArea* area_;
    QListWidget* List1;
};
