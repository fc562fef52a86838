#include "screen_fixture.h"

#include "program_values.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

QMessageBox::StandardButton RecordedBoxes::show(QWidget*, QMessageBox::Icon icon, const QString& title,
                                                const QString& text, QMessageBox::StandardButtons buttons)
{
    shown.push_back({icon, title, text, buttons});
    if (!answers.empty()) {
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Yes;
}

void ScreenTest::SetUpTestSuite()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "davuredav_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

void ScreenTest::SetUp()
{
    resetProgramValues();
    setMessageBoxes(&boxes);
    ASSERT_TRUE(tempDir.isValid());
    watchdog_.setInterval(200);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !expectedModals.contains(modal->objectName())) {
            ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    watchdog_.start();
}

void ScreenTest::TearDown()
{
    watchdog_.stop();
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QApplication::processEvents();
    setMessageBoxes(nullptr);
}

void ScreenTest::showActive(QWidget* widget)
{
    widget->show();
    reactivate(widget);
}

void ScreenTest::reactivate(QWidget* widget)
{
    QWidget* window = widget->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

void ScreenTest::type(QWidget* field, const QString& text)
{
    focusTo(field);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void ScreenTest::pressEnter(QWidget* field) { QTest::keyClick(field, Qt::Key_Return); }

void ScreenTest::focusTo(QWidget* control)
{
    control->setFocus(Qt::MouseFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
}
