// Target descriptions, a date-time to milliseconds conversion and the two system path queries.
#pragma once

#include "System.Types.h"

#include <cstdint>

namespace Zarvel {

enum class TTargetPlatform : uint8_t {
    Win32,
    Win64,
    OSX32,
    OSX64,
    iOS32,
    iOS64,
    iOSSimulator,
    Android32,
    Android64,
    Linux64
};
enum class TTargetOS : uint8_t { Windows, OSX, iOS, Android, Linux };
enum class TTargetArchitecture : uint8_t { x86, x64, ARM32, ARM64 };

// Days since 0001-01-01 times 86400000 plus the milliseconds of the day.
int64_t DateTimeToMilliseconds(double DateTime);

// On Linux the system directory is where the system's shared libraries live, and the "Windows"
// directory is the root of the installed system.
Sys::string GetSystemPath();
Sys::string GetWindowsPath();

} // namespace Zarvel
