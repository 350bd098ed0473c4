#include "RTLSystem.SysUtils.h"

#include "System.SysUtils.h"

namespace Zarvel {

int64_t DateTimeToMilliseconds(double DateTime) {
    const Sys::TTimeStamp stamp = Sys::DateTimeToTimeStamp(DateTime);
    return int64_t(stamp.Date) * 86400000 + stamp.Time;
}

Sys::string GetSystemPath() {
    return u"/usr/lib";
}

Sys::string GetWindowsPath() {
    return u"/";
}

} // namespace Zarvel
