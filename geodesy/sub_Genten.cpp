#include "sub_Genten.h"

namespace {

struct ZoneOrigin {
    double latitude;        // whole degrees
    double meridianDegrees; // central meridian: whole degrees ...
    double meridianMinutes; // ... and minutes
};

// Zones 1 to 19 of the plane rectangular coordinate system.
constexpr ZoneOrigin kZones[19] = {
    {33, 129, 30}, {33, 131, 0},  {36, 132, 10}, {33, 133, 30}, {36, 134, 20},
    {36, 136, 0},  {36, 137, 10}, {36, 138, 30}, {36, 139, 50}, {40, 140, 50},
    {44, 140, 15}, {44, 142, 15}, {44, 144, 15}, {26, 142, 0},  {26, 127, 30},
    {26, 124, 0},  {26, 131, 0},  {20, 136, 0},  {26, 154, 0},
};

} // namespace

void sub_Genten(int16_t zone, double& phi0, double& lambda0, double& m0)
{
    if (zone == 0) {
        phi0 = 0.0;
        lambda0 = 0.0;
        m0 = 1.0;
    } else if (zone >= 20) {
        phi0 = 0.0;
        lambda0 = (zone - 30) * 6.0 - 3.0;
        m0 = 0.9996;
    } else if (zone > 0) {
        const ZoneOrigin& origin = kZones[zone - 1];
        phi0 = origin.latitude;
        lambda0 = origin.meridianDegrees + origin.meridianMinutes / 60.0;
        m0 = 0.9999;
    } else {
        phi0 = 33.0;
        lambda0 = 0.0;
        m0 = 0.9999;
    }
}
