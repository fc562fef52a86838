#pragma once
// The one fixture of every screen and shell test: the offscreen platform, the
// program-wide values reset, message boxes answered without a modal loop, a
// temporary folder for the settings file, and a watchdog that fails a test on
// an unexpected modal dialog instead of hanging.

#include "message_boxes.h"

#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <initializer_list>
#include <ostream>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

// Readable Qt texts in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) { *os << '{' << texts.join(", ").toStdString() << '}'; }

// Message boxes that record what they were asked to show and answer from a
// queue (OK, or Yes when the box has no OK, once the queue is empty).
class RecordedBoxes final : public MessageBoxes {
public:
    struct Shown {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };
    std::vector<Shown> shown;
    std::deque<QMessageBox::StandardButton> answers;

    QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                     const QString& text, QMessageBox::StandardButtons buttons) override;
};

class ScreenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Shows a top-level widget and waits until it is exposed and active.
    void showActive(QWidget* widget);
    // Creates a screen and shows it active.
    template <typename Screen>
    Screen* open()
    {
        auto* screen = new Screen;
        showActive(screen);
        return screen;
    }
    // Activates the window again, as a closing modal dialog would.
    void reactivate(QWidget* widget);

    // The child of root named name, failing the test when there is none.
    template <typename W = QLineEdit>
    static W* child(const QWidget* root, const char* name)
    {
        W* w = root->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << "no control " << name;
        return w;
    }
    static QString textOf(const QWidget* root, const char* name) { return child<QLineEdit>(root, name)->text(); }

    // A click into the field, then the keys of text (replacing the selection).
    static void type(QWidget* field, const QString& text);
    static void pressEnter(QWidget* field);
    // Types each text into its field followed by Enter.
    static void enter(std::initializer_list<std::pair<QWidget*, QString>> typed);
    // A mouse click on the named button, option button or check box of root.
    static void click(const QWidget* root, const char* name);
    // The texts of the named fields, in order.
    static QStringList textsOf(const QWidget* root, std::initializer_list<const char*> names);
    // The object name of the control that has the focus; an editable combo
    // box stands for its line edit.
    static QString focused();
    // Moves the focus to another control, as a click on it would.
    static void focusTo(QWidget* control);

    RecordedBoxes boxes;
    QTemporaryDir tempDir;
    // Object names of modal dialogs the test opens on purpose.
    QStringList expectedModals;

private:
    QTimer watchdog_;
};
