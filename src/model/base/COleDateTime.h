#pragma once

#include <QDateTime>
#include <QtGlobal>

// Length of time in days (fraction = time of day), as OLE dates count it.
class COleDateTimeSpan
{
public:
    COleDateTimeSpan() = default;
    explicit COleDateTimeSpan(double days) : m_span(days) {}
    COleDateTimeSpan(long days, int hours, int minutes, int seconds);

    double GetTotalDays() const { return m_span; }
    double GetTotalSeconds() const { return m_span * 86400.0; }

    double m_span = 0.0;
};

// A date and time counted in days from 30 December 1899 00:00 with the time of
// day as the fraction, plus a status. Dates before 1899 are negative: the
// integer part counts days backwards and the fraction is still the time of day
// (-1.25 is 29 December 1899 06:00).
class COleDateTime
{
public:
    enum DateTimeStatus : qint32
    {
        valid = 0,
        invalid = 1,
        null = 2
    };

    // Valid range: 1 January 100 to 31 December 9999.
    static constexpr double MinDate = -657434.0;
    static constexpr double MaxDate = 2958466.0;

    COleDateTime() = default;
    COleDateTime(double date) : m_dt(date) { CheckRange(); }
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    static COleDateTime GetCurrentTime();
    static COleDateTime FromQDateTime(const QDateTime& dt);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    bool IsValid() const { return m_status == valid; }

    // Returns 0 on success; on a bad argument the value becomes invalid.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }
    int SetTime(int hour, int minute, int second) { return SetDateTime(1899, 12, 30, hour, minute, second); }

    // Each returns -1 when the value is not a valid date.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday ... 7 = Saturday
    int GetDayOfYear() const; // 1 = 1 January

    // The same day at 00:00:00.
    COleDateTime DateOnly() const;
    QDateTime ToQDateTime() const; // invalid QDateTime when not valid
    QDate ToQDate() const;

    // Broken-down fields; false when the value is not a valid date.
    struct Parts
    {
        int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
    };
    bool GetParts(Parts& out) const;

    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTimeSpan operator-(const COleDateTime& other) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
    COleDateTime& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }

    // Comparisons follow the time line, also across 30 December 1899.
    bool operator==(const COleDateTime& o) const { return m_status == o.m_status && m_dt == o.m_dt; }
    bool operator!=(const COleDateTime& o) const { return !(*this == o); }
    bool operator<(const COleDateTime& o) const { return ToLinear(m_dt) < ToLinear(o.m_dt); }
    bool operator>(const COleDateTime& o) const { return ToLinear(m_dt) > ToLinear(o.m_dt); }
    bool operator<=(const COleDateTime& o) const { return !(*this > o); }
    bool operator>=(const COleDateTime& o) const { return !(*this < o); }

    // OLE value to a plain count of days on the time line and back.
    static double ToLinear(double oleDate);
    static double FromLinear(double linear);

    double m_dt = 0.0;
    DateTimeStatus m_status = valid;

private:
    void CheckRange();
};
