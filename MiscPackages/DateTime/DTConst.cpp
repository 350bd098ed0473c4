#include "DTConst.h"

#include <unordered_map>

namespace Zarvel {

namespace {

std::unordered_map<uint16_t, Sys::string>& StringTable() {
    static std::unordered_map<uint16_t, Sys::string> table = {
        {_rscRial.Identifier, u"ريال"},
        {_rscShortMorning.Identifier, u"ق/ظ"},
        {_rscVeryShortMorning.Identifier, u"ص"},
        {_rscMorning.Identifier, u"صبح"},
        {_rscShortAfternoon.Identifier, u"ب/ظ"},
        {_rscVeryShortAfternoon.Identifier, u"ع"},
        {_rscAfterNoon.Identifier, u"بعد از ظهر"},
        {_rscFarvardin.Identifier, u"فروردین"},
        {_rscOrdibehesht.Identifier, u"اردیبهشت"},
        {_rscKhordad.Identifier, u"خرداد"},
        {_rscTeer.Identifier, u"تیر"},
        {_rscMordad.Identifier, u"مرداد"},
        {_rscShahrivar.Identifier, u"شهریور"},
        {_rscMehr.Identifier, u"مهر"},
        {_rscAban.Identifier, u"آبان"},
        {_rscAzar.Identifier, u"آذر"},
        {_rscDey.Identifier, u"دی"},
        {_rscBahman.Identifier, u"بهمن"},
        {_rscEsfand.Identifier, u"اسفند"},
        {_rscMoharam.Identifier, u"محرم"},
        {_rscSafar.Identifier, u"صفر"},
        {_rscRabiOlAwal.Identifier, u"ربیع الاول"},
        {_rscRabiOsSani.Identifier, u"ربیع الثانی"},
        {_rscJamadiOlAwal.Identifier, u"جمادی الاول"},
        {_rscJamadiOsSani.Identifier, u"جمادی الثانی"},
        {_rscRajab.Identifier, u"رجب"},
        {_rscShaeban.Identifier, u"شعبان"},
        {_rscRamazan.Identifier, u"رمضان"},
        {_rscShawwal.Identifier, u"شوال"},
        {_rscZiGhaedah.Identifier, u"ذوالقعده"},
        {_rscZiHadjah.Identifier, u"ذوالحجه"},
        {_rscJan.Identifier, u"Jan"},
        {_rscFeb.Identifier, u"Feb"},
        {_rscMar.Identifier, u"Mar"},
        {_rscApr.Identifier, u"Apr"},
        {_rscMay.Identifier, u"May"},
        {_rscJun.Identifier, u"Jun"},
        {_rscJul.Identifier, u"Jul"},
        {_rscAug.Identifier, u"Aug"},
        {_rscSep.Identifier, u"Sep"},
        {_rscOct.Identifier, u"Oct"},
        {_rscNov.Identifier, u"Nov"},
        {_rscDec.Identifier, u"Dec"},
        {_rscJanuary.Identifier, u"January"},
        {_rscFebruary.Identifier, u"February"},
        {_rscMarch.Identifier, u"March"},
        {_rscApril.Identifier, u"April"},
        {_rscJuly.Identifier, u"July"},
        {_rscAugest.Identifier, u"Augest"},
        {_rscSeptember.Identifier, u"September"},
        {_rscOctober.Identifier, u"October"},
        {_rscNovember.Identifier, u"November"},
        {_rscDecember.Identifier, u"December"},
        {_rscSat.Identifier, u"شنبه"},
        {_rscSun.Identifier, u"یکشنبه"},
        {_rscMon.Identifier, u"دوشنبه"},
        {_rscTue.Identifier, u"سه شنبه"},
        {_rscWed.Identifier, u"چهار شنبه"},
        {_rscThu.Identifier, u"پنج شنبه"},
        {_rscFri.Identifier, u"جمعه"},
        {_rscSSat.Identifier, u"ش"},
        {_rscSSun.Identifier, u"ی"},
        {_rscSMon.Identifier, u"د"},
        {_rscSTue.Identifier, u"س"},
        {_rscSWed.Identifier, u"چ"},
        {_rscSThu.Identifier, u"پ"},
        {_rscSFri.Identifier, u"ج"},
        {_SDateOutOfRange.Identifier, u"The %d date must be in the range of %d, %d"},
    };
    return table;
}

template <size_t N> void Fill(std::array<Sys::string, N>& Names, const TResStringRec (&Strings)[N - 1]) {
    for (size_t i = 1; i < N; ++i) Names[i] = LoadResString(Strings[i - 1]);
}

} // namespace

// Built before any object of default priority, so that the package's fill at load, which runs
// in such an object, cannot be undone by their construction.
__attribute__((init_priority(1000))) std::array<Sys::string, 13> PersianMonths;
__attribute__((init_priority(1000))) std::array<Sys::string, 13> GhamariMonths;
__attribute__((init_priority(1000))) std::array<Sys::string, 8> WeekDays;
__attribute__((init_priority(1000))) std::array<Sys::string, 8> ShortWeekDays;

Sys::string LoadResString(TResStringRec ResString) {
    const auto& table = StringTable();
    const auto it = table.find(ResString.Identifier);
    return it == table.end() ? Sys::string() : it->second;
}

void ReplaceResString(TResStringRec ResString, const Sys::string& Text) {
    StringTable()[ResString.Identifier] = Text;
}

void InitializeDTConst() {
    Fill(PersianMonths, {_rscFarvardin, _rscOrdibehesht, _rscKhordad, _rscTeer, _rscMordad, _rscShahrivar,
                         _rscMehr, _rscAban, _rscAzar, _rscDey, _rscBahman, _rscEsfand});
    Fill(GhamariMonths,
         {_rscMoharam, _rscSafar, _rscRabiOlAwal, _rscRabiOsSani, _rscJamadiOlAwal, _rscJamadiOsSani,
          _rscRajab, _rscShaeban, _rscRamazan, _rscShawwal, _rscZiGhaedah, _rscZiHadjah});
    Fill(WeekDays, {_rscSat, _rscSun, _rscMon, _rscTue, _rscWed, _rscThu, _rscFri});
    Fill(ShortWeekDays, {_rscSSat, _rscSSun, _rscSMon, _rscSTue, _rscSWed, _rscSThu, _rscSFri});
}

} // namespace Zarvel
