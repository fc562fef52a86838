#include "fixed_font.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

bool columnsLineUp(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int single = metrics.horizontalAdvance(QLatin1Char('0'));
    return single > 0 && metrics.horizontalAdvance(QStringLiteral("測")) == 2 * single
        && metrics.horizontalAdvance(QStringLiteral("°")) == 2 * single;
}

QFont makeFixedFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")});
    font.setStyleHint(QFont::TypeWriter);
    // Sizes near the usual 9-point text, nearest first.
    for (int size : {12, 14, 16, 10, 13, 11, 15}) {
        font.setPixelSize(size);
        if (columnsLineUp(font))
            return font;
    }
    font.setPixelSize(12);
    return font;
}

} // namespace

QFont fixedFont()
{
    static const QFont font = makeFixedFont();
    return font;
}
