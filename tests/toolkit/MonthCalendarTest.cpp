// Month calendars: day counts and calendar dates agree, the date goes into
// the window and comes back from the window's choice with its time of day,
// the stored date is the exact value, and new windows keep the values.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/MonthCalendar.h"

#include <cstring>

using namespace ctltest;

namespace {

using CalendarTest = ShownForm;

SYSTEMTIME Selected(TMonthCalendar* cal) {
    SYSTEMTIME st{};
    SendMessageW(cal->Handle(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    return st;
}

// The window telling its parent that a day was chosen.
void Choose(TMonthCalendar* cal, WORD y, WORD m, WORD d, UINT code = MCN_SELCHANGE) {
    NMSELCHANGE n{};
    n.nmhdr.hwndFrom = cal->Handle();
    n.nmhdr.code = code;
    n.stSelStart.wYear = y;
    n.stSelStart.wMonth = m;
    n.stSelStart.wDay = d;
    n.stSelEnd = n.stSelStart;
    SendMessageW(GetParent(cal->Handle()), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
}

} // namespace

TEST(CalendarDates, DayCountsAndCalendarDatesAgree) {
    SYSTEMTIME st = DateToSystemTime(37973.47198440972);
    EXPECT_EQ(st.wYear, 2003);
    EXPECT_EQ(st.wMonth, 12);
    EXPECT_EQ(st.wDay, 18);
    EXPECT_EQ(st.wHour, 11);
    EXPECT_EQ(st.wMinute, 19);
    EXPECT_EQ(st.wSecond, 39);
    EXPECT_EQ(st.wDayOfWeek, 4) << "a Thursday";
    EXPECT_EQ(DateToSystemTime(0).wYear, 1899);
    EXPECT_EQ(DateToSystemTime(2).wDay, 1) << "1 January 1900";
    EXPECT_EQ(DateToSystemTime(60).wMonth, 2) << "28 February 1900";
    EXPECT_EQ(DateToSystemTime(61).wMonth, 3) << "1900 was no leap year";
    EXPECT_EQ(DateToSystemTime(36585).wDay, 29) << "29 February 2000";
    for (double d : {1.0, 36585.0, 36586.0, 47482.75, 2958465.0}) EXPECT_DOUBLE_EQ(SystemTimeToDate(DateToSystemTime(d)), d);
}

TEST_F(CalendarTest, WindowsComeAndGo) {
    int before = ChildWindowCount(form->Handle());
    auto* cal = Make<TMonthCalendar>("MonthCalendar1");
    EXPECT_TRUE(IsWindowVisible(cal->Handle()));
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1);
    cal->SetWeekNumbers(true);
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1);
    delete cal;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(CalendarTest, TheDateGoesIntoTheWindowAndComesBackWithItsTime) {
    auto* cal = Make<TMonthCalendar>("MonthCalendar1");
    cal->SetDate(37973.47198440972);
    SYSTEMTIME st = Selected(cal);
    EXPECT_EQ(st.wYear, 2003);
    EXPECT_EQ(st.wMonth, 12);
    EXPECT_EQ(st.wDay, 18);
    EXPECT_EQ(cal->Date(), 37973.47198440972);
    int clicks = 0;
    cal->OnClick.Bind([&](TObject*) { ++clicks; });
    Choose(cal, 2003, 12, 20);
    EXPECT_DOUBLE_EQ(cal->Date(), 37975.47198440972) << "the chosen day, the same time";
    EXPECT_EQ(clicks, 0);
    Choose(cal, 2004, 1, 2, MCN_SELECT);
    EXPECT_DOUBLE_EQ(cal->Date(), 37988.47198440972);
    EXPECT_EQ(clicks, 1);
}

TEST_F(CalendarTest, OnGetMonthInfoChoosesTheBoldDaysOfEachMonthShown) {
    auto* cal = Make<TMonthCalendar>("MonthCalendar1");
    EXPECT_TRUE(GetWindowLongPtrW(cal->Handle(), GWL_STYLE) & MCS_DAYSTATE);
    std::vector<int32_t> asked;
    cal->OnGetMonthInfo.Bind([&](TObject*, int32_t month, int32_t& bold) {
        asked.push_back(month);
        bold = 1 << (month - 1);
    });
    MONTHDAYSTATE states[3] = {};
    NMDAYSTATE n{};
    n.nmhdr.hwndFrom = cal->Handle();
    n.nmhdr.code = MCN_GETDAYSTATE;
    n.stStart.wYear = 2003;
    n.stStart.wMonth = 11;
    n.stStart.wDay = 1;
    n.cDayState = 3;
    n.prgDayState = states;
    SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
    EXPECT_EQ(asked, (std::vector<int32_t>{11, 12, 1})) << "the year wraps";
    EXPECT_EQ(states[0], 1u << 10);
    EXPECT_EQ(states[2], 1u);
}

TEST_F(CalendarTest, NewWindowsKeepTheDateAndTheSettings) {
    auto* cal = Make<TMonthCalendar>("MonthCalendar1");
    cal->SetDate(37973.47198440972);
    cal->SetFirstDayOfWeek(dowWednesday);
    cal->SetMinDate(37900);
    HWND old = cal->Handle();
    cal->SetWeekNumbers(true);
    cal->SetShowToday(false);
    cal->SetShowTodayCircle(false);
    EXPECT_NE(cal->Handle(), old);
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(cal->Handle(), GWL_STYLE));
    EXPECT_TRUE(style & MCS_WEEKNUMBERS);
    EXPECT_TRUE(style & MCS_NOTODAY);
    EXPECT_TRUE(style & MCS_NOTODAYCIRCLE);
    EXPECT_EQ(Selected(cal).wDay, 18);
    EXPECT_EQ(cal->Date(), 37973.47198440972);
    EXPECT_EQ(LOWORD(SendMessageW(cal->Handle(), MCM_GETFIRSTDAYOFWEEK, 0, 0)), 2);
    SYSTEMTIME range[2]{};
    EXPECT_TRUE(SendMessageW(cal->Handle(), MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)) & GDTR_MIN);
    EXPECT_EQ(SystemTimeToDate(range[0]), 37900);
    cal->SetMultiSelect(true);
    SYSTEMTIME sel[2]{};
    SendMessageW(cal->Handle(), MCM_GETSELRANGE, 0, reinterpret_cast<LPARAM>(sel));
    EXPECT_EQ(sel[0].wDay, 18) << "a range of one day";
}

TEST_F(CalendarTest, PropertiesRoundTripAndTheDateIsStoredExactly) {
    auto* cal = Make<TMonthCalendar>("MonthCalendar1");
    EXPECT_EQ(StoredNames(Store(cal, form)), kWindowedDefaults);
    cal->SetBounds(0, 0, 197, 153);
    cal->SetDate(37973.47198440972);
    Bytes bytes = Store(cal, form);
    TStreamDocument doc = ParseStreamDocument(bytes);
    ASSERT_EQ(doc.components.size(), 1u);
    const TDocProperty* date = nullptr;
    for (const auto& p : doc.components[0].properties)
        if (p.name == "Date") date = &p;
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(static_cast<int>(date->value.type), 5) << "an extended float";
    ASSERT_EQ(date->value.bytes.size(), 10u);
    long double stored = 0;
    std::memcpy(&stored, date->value.bytes.data(), 10);
    EXPECT_EQ(static_cast<double>(stored), 37973.47198440972);

    cal->SetFirstDayOfWeek(dowSunday);
    cal->SetMaxDate(40000.5);
    cal->SetMinDate(30000);
    cal->SetMultiSelect(true);
    cal->SetShowToday(false);
    cal->SetShowTodayCircle(false);
    cal->SetWeekNumbers(true);
    std::set<std::string> names = StoredNames(Store(cal, form));
    for (const char* n : {"Date", "FirstDayOfWeek", "MaxDate", "MinDate", "MultiSelect", "ShowToday",
                          "ShowTodayCircle", "WeekNumbers"})
        EXPECT_TRUE(names.count(n)) << n;
    std::unique_ptr<TForm> other;
    TMonthCalendar* copy = RoundTrip(cal, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Date(), 37973.47198440972);
    EXPECT_EQ(copy->Width(), 197);
    EXPECT_EQ(copy->Height(), 153);
    EXPECT_EQ(copy->FirstDayOfWeek(), dowSunday);
    EXPECT_EQ(copy->MaxDate(), 40000.5);
}
