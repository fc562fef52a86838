#include "frmDAVURedavMenu.h"

#include "bas_DAVURedavFormSentaku.h"
#include "calc_screen.h"
#include "catalogue.h"
#include "controls.h"

#include <QGroupBox>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QVBoxLayout>

using namespace bas_DAVURedavFormSentaku;

frmDAVURedavMenu::frmDAVURedavMenu(QMdiArea* area, QWidget* parent) : QWidget(parent), area_(area)
{
    setObjectName("frmDAVURedavMenu");
    setWindowTitle("測量計算ｿﾌﾄDAVURedav");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = controls::frame(this, "計算の種類", "Frame1");
    List1 = controls::list(frame, "List1");
    for (const CatalogueEntry& entry : catalogue())
        List1->addItem(entry.text);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(4, 4, 4, 4);
    frameLayout->addWidget(List1);
    auto* cmdEnd = controls::button(this, "cmdEnd", "終了");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame);
    layout->addWidget(cmdEnd, 0, Qt::AlignRight);

    // A click or a keyboard move of the selection acts at once; a click on the
    // entry already selected opens it again once its window has been closed.
    connect(List1, &QListWidget::currentRowChanged, this, &frmDAVURedavMenu::List1_Click);
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const CatalogueEntry* entry = catalogueEntry(List1->row(item) + 1);
        if (entry && !findWindow(area_, entry->window))
            List1_Click();
    });
    connect(cmdEnd, &QPushButton::clicked, this, &frmDAVURedavMenu::cmdEnd_Click);
}

void frmDAVURedavMenu::List1_Click()
{
    if (List1->currentRow() < 0)
        return;
    AllClose(area_);
    FormSentaku(area_, static_cast<int16_t>(List1->currentRow() + 1));
}

void frmDAVURedavMenu::cmdEnd_Click()
{
    AllClose(area_);
    QWidget* mainWindow = window();
    closeHostedWindow(this);
    mainWindow->close();
}
