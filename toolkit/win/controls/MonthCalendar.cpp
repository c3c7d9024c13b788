#include "toolkit/win/controls/MonthCalendar.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/window/Messages.h"

#include <cmath>
#include <commctrl.h>

namespace fw {

namespace {

// Days from 1 January 1970 of a civil date, and back (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, int64_t& m, int64_t& d) {
    z += 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = yoe + era * 400 + (m <= 2);
}

// 30 December 1899 is 25569 days before 1 January 1970.
constexpr int64_t kEpochShift = 25569;

} // namespace

SYSTEMTIME DateToSystemTime(double date) {
    double day = std::floor(date);
    int64_t y, m, d;
    CivilFromDays(static_cast<int64_t>(day) - kEpochShift, y, m, d);
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(y);
    st.wMonth = static_cast<WORD>(m);
    st.wDay = static_cast<WORD>(d);
    st.wDayOfWeek = static_cast<WORD>((static_cast<int64_t>(day) - 1 + 7000000) % 7); // 1899-12-30 was a Saturday
    int64_t ms = std::llround((date - day) * 86400000.0);
    st.wHour = static_cast<WORD>(ms / 3600000);
    st.wMinute = static_cast<WORD>(ms / 60000 % 60);
    st.wSecond = static_cast<WORD>(ms / 1000 % 60);
    st.wMilliseconds = static_cast<WORD>(ms % 1000);
    return st;
}

double SystemTimeToDate(const SYSTEMTIME& st) {
    double day = static_cast<double>(DaysFromCivil(st.wYear, st.wMonth, st.wDay) + kEpochShift);
    double ms = ((st.wHour * 60.0 + st.wMinute) * 60.0 + st.wSecond) * 1000.0 + st.wMilliseconds;
    return day + ms / 86400000.0;
}

const TClassInfo& TMonthCalendar::StaticClassInfo() {
    using M = TMonthCalendar;
    static const TClassInfo info =
        TClassBuilder<M, TWinControl>()
            .Prop("Date", &M::Date, &M::SetDate)
            .Prop("FirstDayOfWeek", &M::FirstDayOfWeek, &M::SetFirstDayOfWeek).Default(dowLocaleDefault)
            .Prop("MaxDate", &M::MaxDate, &M::SetMaxDate)
            .Prop("MinDate", &M::MinDate, &M::SetMinDate)
            .Prop("MultiSelect", &M::MultiSelect, &M::SetMultiSelect).Default(false)
            .Prop("ShowToday", &M::ShowToday, &M::SetShowToday).Default(true)
            .Prop("ShowTodayCircle", &M::ShowTodayCircle, &M::SetShowTodayCircle).Default(true)
            .Prop("TabStop", &M::TabStop, &M::SetTabStop).Default(true)
            .Prop("WeekNumbers", &M::WeekNumbers, &M::SetWeekNumbers).Default(false)
            .Prop("OnGetMonthInfo", &M::OnGetMonthInfo, &M::OnGetMonthInfo)
            .Build();
    return info;
}

TMonthCalendar::TMonthCalendar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 197, 153);
    SetTabStop(true);
}

void TMonthCalendar::SetDate(double v) {
    if (FDate == v) return;
    FDate = v;
    ApplyDate();
}

void TMonthCalendar::SetMinDate(double v) {
    if (FMinDate == v) return;
    FMinDate = v;
    ApplyRange();
}

void TMonthCalendar::SetMaxDate(double v) {
    if (FMaxDate == v) return;
    FMaxDate = v;
    ApplyRange();
}

void TMonthCalendar::SetFirstDayOfWeek(TCalDayOfWeek v) {
    if (FFirstDayOfWeek == v) return;
    FFirstDayOfWeek = v;
    // The locale's first day comes back only with a new window.
    RecreateWnd();
}

void TMonthCalendar::SetStyleFlag(bool& field, bool v) {
    if (field == v) return;
    field = v;
    RecreateWnd();
}

void TMonthCalendar::SetMultiSelect(bool v) { SetStyleFlag(FMultiSelect, v); }
void TMonthCalendar::SetShowToday(bool v) { SetStyleFlag(FShowToday, v); }
void TMonthCalendar::SetShowTodayCircle(bool v) { SetStyleFlag(FShowTodayCircle, v); }
void TMonthCalendar::SetWeekNumbers(bool v) { SetStyleFlag(FWeekNumbers, v); }

void TMonthCalendar::ApplyDate() {
    if (!HandleAllocated() || FDate == 0) return;
    SYSTEMTIME st = DateToSystemTime(std::floor(FDate));
    if (FMultiSelect) {
        SYSTEMTIME range[2] = {st, st};
        SendMessageW(Handle(), MCM_SETSELRANGE, 0, reinterpret_cast<LPARAM>(range));
    } else {
        SendMessageW(Handle(), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    }
}

void TMonthCalendar::ApplyRange() {
    if (!HandleAllocated()) return;
    SYSTEMTIME range[2] = {DateToSystemTime(std::floor(FMinDate)), DateToSystemTime(std::floor(FMaxDate))};
    WPARAM which = (FMinDate != 0 ? GDTR_MIN : 0) | (FMaxDate != 0 ? GDTR_MAX : 0);
    SendMessageW(Handle(), MCM_SETRANGE, which, reinterpret_cast<LPARAM>(range));
}

void TMonthCalendar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = MONTHCAL_CLASSW;
    // The window asks which days to show bold (OnGetMonthInfo).
    p.Style |= MCS_DAYSTATE;
    if (FMultiSelect) p.Style |= MCS_MULTISELECT;
    if (!FShowToday) p.Style |= MCS_NOTODAY;
    if (!FShowTodayCircle) p.Style |= MCS_NOTODAYCIRCLE;
    if (FWeekNumbers) p.Style |= MCS_WEEKNUMBERS;
}

void TMonthCalendar::InitializeWnd() {
    TWinControl::InitializeWnd();
    if (FFirstDayOfWeek != dowLocaleDefault)
        SendMessageW(Handle(), MCM_SETFIRSTDAYOFWEEK, 0, static_cast<LPARAM>(FFirstDayOfWeek));
    ApplyRange();
    ApplyDate();
}

void TMonthCalendar::GetDayStates(NMDAYSTATE& n) {
    for (int i = 0; i < n.cDayState; ++i) {
        int32_t month = (n.stStart.wMonth - 1 + i) % 12 + 1;
        int32_t bold = 0;
        OnGetMonthInfo(this, month, bold);
        n.prgDayState[i] = static_cast<MONTHDAYSTATE>(bold);
    }
}

void TMonthCalendar::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
        if (hdr->code == MCN_GETDAYSTATE) {
            GetDayStates(*reinterpret_cast<NMDAYSTATE*>(m.LParam));
            return;
        }
        if (hdr->code == MCN_SELCHANGE || hdr->code == MCN_SELECT) {
            // The window chose the day; the time of day stays.
            const auto* sel = reinterpret_cast<const NMSELCHANGE*>(m.LParam);
            SYSTEMTIME day = sel->stSelStart;
            day.wHour = day.wMinute = day.wSecond = day.wMilliseconds = 0;
            double time = FDate - std::floor(FDate);
            FDate = SystemTimeToDate(day) + time;
            if (hdr->code == MCN_SELECT) Click();
            return;
        }
    }
    TWinControl::WndProc(m);
}

} // namespace fw
