// The tabular Hijri calendar's date functions ("A" for Arabic), as free functions over TDateTime, the
// same members as the Persian family (DateFamily.Members.inc). Years run from 1 to 9999, with 11 leap
// years in every 30. Week days are numbered from 1 = Monday to 7 = Sunday, and a week begins on
// Monday; week 1 of a year or month is the partial week up to its first Sunday. Day names are read
// from the settings at these numbers, so the settings the members are given should list them from
// Monday on.
#pragma once

#include "DTConst.h"
#include "System.DateUtils.h"

#include <cstdint>

namespace Zarvel::ADateTime {

using Sys::TDateTime;

#include "DateFamily.Declarations.inc"

} // namespace Zarvel::ADateTime
