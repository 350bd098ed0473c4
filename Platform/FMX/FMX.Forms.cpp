#include "FMX.Forms.h"

namespace FMX {

TScreen* Screen = nullptr;

} // namespace FMX
