#pragma once
// The twenty-two calculations of the catalogue, in catalogue order, with the
// window each opens.

#include <QString>
#include <functional>
#include <vector>

class QWidget;

struct CatalogueEntry {
    enum class Placement {
        Designed,        // the window's own designed placement
        UnderCatalogue,  // left 50, just under the catalogue (second-level catalogues)
        Left4500,        // left 4500, the window's own top and size
    };
    QString text;       // the catalogue's list text
    QString window;     // object name of the window opened
    Placement placement;
    std::function<QWidget*()> create; // empty while the calculation is not available
};

const std::vector<CatalogueEntry>& catalogue();

// The entry of catalogue number n (1-22), or nullptr.
const CatalogueEntry* catalogueEntry(int n);
