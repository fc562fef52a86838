#include "screen_layout.h"

#include "fixed_font.h"

#include <QLineEdit>

void ScreenLayoutTest::SetUp()
{
    ScreenTest::SetUp();
    applicationFont_ = QApplication::font();
    QApplication::setFont(fixedFont());
    area.resize(1200, 900);
    showActive(&area);
}

void ScreenLayoutTest::TearDown()
{
    QApplication::setFont(applicationFont_);
    ScreenTest::TearDown();
}

void ScreenLayoutTest::expectNothingClipped(const QWidget* screen)
{
    const std::string name = screen->objectName().toStdString();
    const QSize needed = screen->minimumSizeHint();
    EXPECT_LE(needed.width(), screen->width()) << name;
    EXPECT_LE(needed.height(), screen->height()) << name;
    for (const QWidget* w : screen->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        EXPECT_TRUE(screen->rect().contains(QRect(w->mapTo(screen, QPoint(0, 0)), w->size())))
            << name << " " << w->objectName().toStdString();
    }
    for (const QLineEdit* field : screen->findChildren<QLineEdit*>()) {
        // The line edit's frame and text margins take about 6 pixels.
        EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()) + 6, field->width())
            << name << " " << field->objectName().toStdString() << " \"" << field->text().toStdString() << "\"";
    }
}
