#include "InitLocale.h"

#include "DTConst.h"
#include "System.SysUtils.h"

#include <algorithm>

namespace Zarvel {

// Built before any object of default priority, so that the package's fill at load, which runs
// in such an object, cannot be undone by their construction.
__attribute__((init_priority(1000))) std::array<Sys::string, 13> JulianShortMonthNames;
__attribute__((init_priority(1000))) std::array<Sys::string, 13> JulianLongMonthNames;

void InitializeInitLocale() {
    const TResStringRec shortNames[12] = {_rscJan, _rscFeb, _rscMar, _rscApr, _rscMay, _rscJun,
                                          _rscJul, _rscAug, _rscSep, _rscOct, _rscNov, _rscDec};
    const TResStringRec longNames[12] = {_rscJanuary,   _rscFebruary, _rscMarch,    _rscApril,
                                         _rscMay,       _rscJun,      _rscJuly,     _rscAugest,
                                         _rscSeptember, _rscOctober,  _rscNovember, _rscDecember};
    for (size_t i = 0; i < 12; ++i) {
        JulianShortMonthNames[i + 1] = LoadResString(shortNames[i]);
        JulianLongMonthNames[i + 1] = LoadResString(longNames[i]);
    }

    Sys::TFormatSettings& settings = Sys::FormatSettings;
    settings.CurrencyString = LoadResString(_rscRial);
    settings.CurrencyFormat = 2;
    settings.NegCurrFormat = 2;
    settings.ThousandSeparator = u'\u066C';
    settings.DecimalSeparator = u'.';
    settings.CurrencyDecimals = 1;
    settings.DateSeparator = u'/';
    settings.ShortDateFormat = u"yy/m/d";
    settings.LongDateFormat = u"yyyy/mmmm/d-dddd";
    settings.TimeSeparator = u':';
    settings.TimeAMString = LoadResString(_rscMorning);
    settings.TimePMString = LoadResString(_rscAfterNoon);
    settings.ShortTimeFormat = u"h:nn";
    settings.LongTimeFormat = u"h:nn ampm";
    // The platform's arrays start at index 0 with January and Sunday; here index 0 becomes
    // Farvardin and Saturday, which the Persian date functions count as day 1.
    std::copy(PersianMonths.begin() + 1, PersianMonths.end(), settings.ShortMonthNames.begin());
    std::copy(PersianMonths.begin() + 1, PersianMonths.end(), settings.LongMonthNames.begin());
    std::copy(ShortWeekDays.begin() + 1, ShortWeekDays.end(), settings.ShortDayNames.begin());
    std::copy(WeekDays.begin() + 1, WeekDays.end(), settings.LongDayNames.begin());
}

} // namespace Zarvel
