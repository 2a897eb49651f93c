#include "engine/ui/font_style.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <climits>
#include <cstdlib>

namespace orvenda {

QString StyleNameOf(const QString& family, bool bold, bool italic)
{
    const int wanted = bold ? QFont::Bold : QFont::Normal;
    QString best;
    int bestDistance = INT_MAX;
    for (const QString& style : QFontDatabase::styles(family)) {
        if (QFontDatabase::italic(family, style) != italic)
            continue;
        const int distance = std::abs(QFontDatabase::weight(family, style) - wanted);
        if (distance < bestDistance || (distance == bestDistance && style.size() < best.size())) {
            best = style;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace orvenda
