#pragma once

// The face's own name of a style ("Book", "Oblique", "Bold"), so that a
// font dialog opens on the style a look describes and not on the first
// style Qt guesses for a bare weight and slant.

#include <QString>

namespace orvenda {

// The installed style of `family` with the given slant whose weight is
// nearest to normal or bold; of equal ones the shortest name (a face's
// condensed styles repeat the plain names). Empty when none matches.
QString StyleNameOf(const QString& family, bool bold, bool italic);

} // namespace orvenda
