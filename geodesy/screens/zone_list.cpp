#include "zone_list.h"

#include "angle_text.h"
#include "calc_screen.h"
#include "checked_math.h"
#include "field_number.h"
#include "sub_Genten.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
constexpr int16_t kLastZone = 19;
}

void fillZoneList(QComboBox* list, ArbitraryZone arbitrary)
{
    if (arbitrary == ArbitraryZone::AtBothEnds)
        list->addItem(zoneText(0));
    for (int16_t zone = 1; zone <= kLastZone; ++zone)
        list->addItem(zoneText(zone));
    if (arbitrary == ArbitraryZone::AtBothEnds)
        list->addItem(zoneText(0));
}

QString zoneText(int16_t zone) { return qstr(rightAligned(zone, 2)); }

void showZone(QComboBox* list, int16_t zone)
{
    const QString text = zoneText(zone);
    list->setCurrentIndex(list->findText(text));
    list->setEditText(text);
}

int16_t zoneOf(const QString& text) { return checked::toInt16(readFieldNumber(text.toStdString())); }

void GentenHyoji(int16_t zone, QLineEdit* txtB0, QLineEdit* txtL0)
{
    double phi0 = 0.0, lambda0 = 0.0, m0 = 0.0;
    sub_Genten(zone, phi0, lambda0, m0);
    txtB0->setText(qstr(angleTextWhole(phi0)));
    txtL0->setText(qstr(angleTextWhole(lambda0)));
}
