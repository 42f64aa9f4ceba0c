#pragma once
// The dash reports a position as degrees x 10000000 plus minutes x 100000 (55 degrees
// 45.12345 minutes is 554512345); a negative value keeps its sign in both terms.

#include <cstdint>

constexpr int32_t kStartLineDegreeUnit = 10000000;
constexpr double kStartLineMinuteUnit = 6000000.0; // 60 minutes of 100000
constexpr double kStartLineCourseUnit = 100.0;

constexpr double startLineDegrees(int32_t raw)
{
    return double(raw / kStartLineDegreeUnit) + double(raw % kStartLineDegreeUnit) / kStartLineMinuteUnit;
}

constexpr double startLineCourse(int32_t raw)
{
    return double(raw) / kStartLineCourseUnit;
}
