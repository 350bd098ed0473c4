#include "RTLData.Bind.GenData.h"

namespace Zarvel {

void InitializeRTLDataBindGenData() {
    Sys::RegisterClass("TPrototypeBindSourceRTLDataGenerator",
                       [] { return std::make_unique<TPrototypeBindSourceRTLDataGenerator>(); });
}

} // namespace Zarvel
