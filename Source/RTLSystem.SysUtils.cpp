#include "RTLSystem.SysUtils.h"

#include "System.DateUtils.h"

namespace Zarvel {

int64_t DateTimeToMilliseconds(double DateTime) { return Sys::DateTimeToMilliseconds(DateTime); }

Sys::string GetSystemPath() {
    return u"/usr/lib";
}

Sys::string GetWindowsPath() {
    return u"/";
}

} // namespace Zarvel
