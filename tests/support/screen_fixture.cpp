#include "screen_fixture.h"

#include "program_values.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
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

void ScreenTest::enter(std::initializer_list<std::pair<QWidget*, QString>> typed)
{
    for (const auto& [field, text] : typed) {
        type(field, text);
        pressEnter(field);
    }
}

void ScreenTest::click(const QWidget* root, const char* name)
{
    // Near the left end: a check box or an option button stretched by its
    // layout takes clicks on its mark and caption only.
    QAbstractButton* button = child<QAbstractButton>(root, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

QStringList ScreenTest::textsOf(const QWidget* root, std::initializer_list<const char*> names)
{
    QStringList texts;
    for (const char* name : names)
        texts << textOf(root, name);
    return texts;
}

QString ScreenTest::focused()
{
    QWidget* w = QApplication::focusWidget();
    if (w && qobject_cast<QComboBox*>(w->parentWidget()))
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

void ScreenTest::focusTo(QWidget* control)
{
    control->setFocus(Qt::MouseFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
}
