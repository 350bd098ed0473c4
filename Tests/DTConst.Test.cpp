// The date library's resource strings, its name tables and the Persian format settings the package
// sets at load.
#include "DTConst.h"
#include "InitLocale.h"

#include "System.SysUtils.h"

#include <gtest/gtest.h>

using namespace Zarvel;

TEST(DTConst, ResourceStringsByIdentifier) {
    const struct {
        TResStringRec ResString;
        uint16_t Identifier;
        const char16_t* Text;
    } cases[] = {
        {_rscRial, 65520, u"\u0631\u064A\u0627\u0644"}, // with the Arabic yeh
        {_rscMorning, 65523, u"صبح"},
        {_rscAfterNoon, 65526, u"بعد از ظهر"},
        {_rscAzar, 65535, u"آذر"},
        {_rscDey, 65504, u"دی"},
        {_rscZiHadjah, 65518, u"ذوالحجه"},
        {_rscJan, 65519, u"Jan"},
        {_rscFeb, 65488, u"Feb"},
        {_rscJuly, 65503, u"July"},
        {_rscAugest, 65472, u"Augest"},
        {_rscFri, 65483, u"جمعه"},
        {_rscSTue, 65487, u"س"},
        {_rscSWed, 65456, u"چ"},
        {_SDateOutOfRange, 65459, u"The %d date must be in the range of %d, %d"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.ResString.Identifier, c.Identifier);
        EXPECT_EQ(LoadResString(c.ResString), c.Text) << c.Identifier;
    }
    // The custom calendar puts its message under its own identifier; an identifier nobody uses is empty.
    EXPECT_EQ(LoadResString(TResStringRec{65460}), u"Error: Event \"%s\" is not set.");
    EXPECT_EQ(LoadResString(TResStringRec{65461}), u"");
}

TEST(DTConst, NameTablesFollowTheStrings) {
    EXPECT_EQ(PersianMonths[1], u"فروردین");
    EXPECT_EQ(PersianMonths[10], u"دی");
    EXPECT_EQ(PersianMonths[12], u"اسفند");
    EXPECT_EQ(GhamariMonths[1], u"محرم");
    EXPECT_EQ(GhamariMonths[9], u"رمضان");
    EXPECT_EQ(GhamariMonths[12], u"ذوالحجه");
    EXPECT_EQ(WeekDays[1], u"شنبه"); // Saturday first
    EXPECT_EQ(WeekDays[7], u"جمعه");
    EXPECT_EQ(ShortWeekDays[4], u"س");
    EXPECT_EQ(ShortWeekDays[5], u"چ");
    EXPECT_EQ(JulianShortMonthNames[1], u"Jan");
    EXPECT_EQ(JulianShortMonthNames[12], u"Dec");
    EXPECT_EQ(JulianLongMonthNames[5], u"May");
    EXPECT_EQ(JulianLongMonthNames[6], u"Jun"); // there is no long June text
    EXPECT_EQ(JulianLongMonthNames[8], u"Augest");
    EXPECT_EQ(JulianLongMonthNames[12], u"December");
}

TEST(DTConst, ATranslationReplacesTexts) {
    const Sys::string farvardin = LoadResString(_rscFarvardin);
    ReplaceResString(_rscFarvardin, u"Farvardin");
    EXPECT_EQ(LoadResString(_rscFarvardin), u"Farvardin");
    EXPECT_EQ(PersianMonths[1], farvardin); // the tables keep their texts until they are filled again
    InitializeDTConst();
    EXPECT_EQ(PersianMonths[1], u"Farvardin");
    ReplaceResString(_rscFarvardin, farvardin);
    InitializeDTConst();
    EXPECT_EQ(PersianMonths[1], farvardin);
}

TEST(InitLocale, ProcessSettingsArePersianAfterLoad) {
    const Sys::TFormatSettings& s = Sys::FormatSettings;
    // The platform's arrays are 0-based: index 0 is the first Persian month and Saturday.
    EXPECT_EQ(s.LongDayNames[0], u"شنبه");
    EXPECT_EQ(s.LongDayNames[6], u"جمعه");
    EXPECT_EQ(s.ShortDayNames[0], u"ش");
    EXPECT_EQ(s.LongMonthNames[0], u"فروردین");
    EXPECT_EQ(s.ShortMonthNames[11], u"اسفند");
    EXPECT_EQ(s.CurrencyString, LoadResString(_rscRial));
    EXPECT_EQ(s.CurrencyFormat, 2);
    EXPECT_EQ(s.NegCurrFormat, 2);
    EXPECT_EQ(s.CurrencyDecimals, 1);
    EXPECT_EQ(s.ThousandSeparator, u'\u066C');
    EXPECT_EQ(s.DecimalSeparator, u'.');
    EXPECT_EQ(s.DateSeparator, u'/');
    EXPECT_EQ(s.TimeSeparator, u':');
    EXPECT_EQ(s.ShortDateFormat, u"yy/m/d");
    EXPECT_EQ(s.LongDateFormat, u"yyyy/mmmm/d-dddd");
    EXPECT_EQ(s.ShortTimeFormat, u"h:nn");
    EXPECT_EQ(s.LongTimeFormat, u"h:nn ampm");
    EXPECT_EQ(s.TimeAMString, u"صبح");
    EXPECT_EQ(s.TimePMString, u"بعد از ظهر");
}

TEST(DTConst, RangeMessageTakesItsNumbersInOrder) {
    EXPECT_EQ(Sys::Format(LoadResString(_SDateOutOfRange), {2328, -1096, 2327}),
              u"The 2328 date must be in the range of -1096, 2327");
}
