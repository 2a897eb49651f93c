#include "config/config.h"

#include "config/colour_text.h"
#include "config/settings_text.h"

namespace orvenda {

TLooks DefaultLooks()
{
    TObjectLook caption;
    caption.Color = clBtnFace;
    caption.Alignment = AlignCenter;
    caption.FontName = "MS Sans Serif";
    caption.FontSize = 8;
    caption.FontColor = clWindowText;
    caption.FontStyle = 0;

    TLooks looks;
    looks[LcToday] = caption;
    looks[LcDate] = caption;
    looks[LcDate].FontStyle = FontBold;
    looks[LcDayOfWeek] = caption;
    looks[LcDayOfWeek].FontStyle = FontBold;

    looks[LcWis] = caption;
    looks[LcWis].Color = clGrayText;
    looks[LcWis].Alignment = AlignLeft;

    looks[LcEvt] = caption;
    looks[LcEvt].Color = clBlack;
    looks[LcEvt].Alignment = AlignLeft;
    looks[LcEvt].FontSize = 10;
    looks[LcEvt].FontColor = clAqua;
    return looks;
}

const char* LookObjectName(int object)
{
    switch (object) {
    case LcToday:
        return "LcToday";
    case LcDate:
        return "LcDate";
    case LcDayOfWeek:
        return "LcDayOfWeek";
    case LcWis:
        return "LcWis";
    case LcEvt:
        return "LcEvt";
    default:
        return "";
    }
}

} // namespace orvenda
