#pragma once

// The data the stall road walks over, laid down in the program folder the
// test home made: a large deck as the default deck (Tutor1.vdk), two decks of
// photo-like pictures (compact JPEG and BMP), a history of tests with a year
// of reviews of the large deck and a journal of readings, and a goals file.

#include <QString>

namespace velmora::stalls {

struct RoadSizes
{
    int cards = 10000;
    int photos = 78;
    int tests = 10000;
    int reviewDays = 365;
    int readings = 10000;
    int goals = 10000;
};

inline constexpr const char *kCompactDeckName = "Photos compact";
inline constexpr const char *kBmpDeckName = "Photos BMP";

// False, with the reason, when something could not be written.
[[nodiscard]] bool layDownRoadData(const RoadSizes &sizes, const QString &reviewNow, QString *why);

} // namespace velmora::stalls
