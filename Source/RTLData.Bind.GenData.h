// A data generator component for prototype binding sources; it has no fields or behaviour of its own.
#pragma once

#include "System.Classes.h"

namespace Zarvel {

class TPrototypeBindSourceRTLDataGenerator : public Sys::TComponent {
public:
    std::string ClassName() const override { return "TPrototypeBindSourceRTLDataGenerator"; }
};

// Makes the class known to form files.
void InitializeRTLDataBindGenData();

} // namespace Zarvel
