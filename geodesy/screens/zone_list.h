#pragma once
// The zone lists of the geodesy screens and the zone origin shown beside them.

#include <QString>
#include <cstdint>

class QComboBox;
class QLineEdit;

// Whether a zone list also offers the arbitrary coordinate system " 0", as its
// first and its last item.
enum class ArbitraryZone { Omitted, AtBothEnds };

// Fills list with the zones " 1" to " 9" and "10" to "19".
void fillZoneList(QComboBox* list, ArbitraryZone arbitrary = ArbitraryZone::Omitted);

// A zone number as the lists show it: right-aligned in two characters.
QString zoneText(int16_t zone);

// Shows zone in list: its text, and the item of that text as the current one
// where there is such an item.
void showZone(QComboBox* list, int16_t zone);

// The zone a text stands for: the number it reads as, rounded to an integer
// (halves to even). A number beyond 16 bits raises overflow.
int16_t zoneOf(const QString& text);

// The origin latitude and longitude of zone in whole seconds into two fields:
// " 36° 0′ 0″" and "139°50′ 0″" for zone 9.
void GentenHyoji(int16_t zone, QLineEdit* txtB0, QLineEdit* txtL0);
