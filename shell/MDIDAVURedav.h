#pragma once
// The main window: holds every other window, offers the calculations from its
// menu, carries the toolbar, and keeps the settings file.

#include "settings_file.h"

#include <QMainWindow>

class QColorDialog;
class QMdiArea;

class MDIDAVURedav : public QMainWindow {
    Q_OBJECT
public:
    // settingsFolder: where DAVURedav.ini is read and written.
    explicit MDIDAVURedav(const QString& settingsFolder = SettingsFile::defaultFolder(), QWidget* parent = nullptr);

    QMdiArea* area() const { return area_; }

    // Shows the catalogue at the left edge (again, if it was closed).
    void ShowCatalogue();

    void Toolbar2_Click(); // background colour
    void Toolbar3_Click(); // intersection catalogue
    void Toolbar4_Click(); // calculator
    void Version_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createToolbars();
    void chooseCalculation(int16_t n);
    void applyBackColor();

    SettingsFile settings_;
    QMdiArea* area_;
    QColorDialog* CommonDialog1;
};
