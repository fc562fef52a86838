#include "zone_list_driver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

void choose(QComboBox* list, int index)
{
    list->setFocus(Qt::MouseFocusReason);
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QApplication::processEvents();
}

void choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << "no item " << text;
    choose(list, index);
}

void typeInto(QComboBox* list, const QString& text)
{
    list->setFocus(Qt::MouseFocusReason);
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), text);
}

QStringList itemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}
