#pragma once
// TMonthCalendar: the system's month calendar. Date is a day count from
// 30 December 1899 with the time of day as its fraction; the window shows
// and chooses the day, and the time part is kept by the object. A Date of 0
// means no day was chosen: the window then shows today.
#include "toolkit/win/window/WinControl.h"

namespace fw {

FW_ENUM(TCalDayOfWeek, dowMonday, dowTuesday, dowWednesday, dowThursday, dowFriday, dowSaturday, dowSunday,
        dowLocaleDefault)

// Asks for the days of a month (1-12) to show bold: bit n is day n + 1.
FW_EVENT_TYPE(TOnGetMonthInfoEvent, TObject* /*Sender*/, int32_t /*Month*/, int32_t& /*MonthBoldInfo*/);

// Day-count dates and the window system's calendar times.
SYSTEMTIME DateToSystemTime(double date);
double SystemTimeToDate(const SYSTEMTIME& st);

class TMonthCalendar : public TWinControl {
    FW_CLASS(TMonthCalendar)

    explicit TMonthCalendar(TComponent* owner);

    double Date() const { return FDate; }
    void SetDate(double v);
    // Limits of the days that can be chosen; 0 for none.
    double MinDate() const { return FMinDate; }
    void SetMinDate(double v);
    double MaxDate() const { return FMaxDate; }
    void SetMaxDate(double v);
    TCalDayOfWeek FirstDayOfWeek() const { return FFirstDayOfWeek; }
    void SetFirstDayOfWeek(TCalDayOfWeek v);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool v);
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool v);
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool v);
    bool WeekNumbers() const { return FWeekNumbers; }
    void SetWeekNumbers(bool v);

    void WndProc(TMessage& message) override;

    TOnGetMonthInfoEvent OnGetMonthInfo;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;

private:
    void SetStyleFlag(bool& field, bool v);
    void ApplyDate();
    void ApplyRange();
    void GetDayStates(NMDAYSTATE& n);

    double FDate = 0;
    double FMinDate = 0;
    double FMaxDate = 0;
    TCalDayOfWeek FFirstDayOfWeek = dowLocaleDefault;
    bool FMultiSelect = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
    bool FWeekNumbers = false;
};

} // namespace fw
