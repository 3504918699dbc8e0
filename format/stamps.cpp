#include "format/stamps.h"

#include <cstdint>

#include "format/numbers.h"

namespace {

std::string two(int n) {
    return twoDigitText(static_cast<std::uint32_t>(n));
}

}  // namespace

std::string dateStamp(const LocalTime& time) {
    return signedToText(time.day) + "." + signedToText(time.month) + "." + signedToText(time.year);
}

std::string timeStamp(const LocalTime& time) {
    return two(time.hour) + ":" + two(time.minute) + ":" + two(time.second);
}

std::string fileStamp(const LocalTime& time) {
    return signedToText(time.year) + two(time.month) + two(time.day) + "_" + two(time.hour) + "." +
           two(time.minute) + "." + two(time.second);
}
