#include "RTLLocale.Locale.h"

#include "RTLSystem.RTLConsts.Locale.h"

namespace Zarvel {

namespace {

// The group of the LCID's primary language, or none.
const TRTLLangGroup* GroupOf(uint32_t LCID) {
    const uint32_t primary = LCID & 0xFF;
    if (LCID == 0 || primary == 0 || primary > LCGroups.size()) return nullptr;
    return &LCGroups[primary - 1];
}

const TRTLLCIDRec* FindLocale(const TRTLLangGroup& Group, uint16_t LangID) {
    for (uint16_t i = 0; i < Group.ListSize; ++i)
        if (Group.List[i].LCID == LangID) return &Group.List[i];
    return nullptr;
}

} // namespace

uint32_t LCIDToCodePage(uint32_t LCID) {
    // Bits 20 and up are reserved: Windows knows no such locale.
    if (LCID >> 20 != 0) return 0;
    const TRTLLangGroup* group = GroupOf(LCID);
    if (group == nullptr) return 0;
    uint16_t langID = static_cast<uint16_t>(LCID);
    if (langID >> 10 == 0) langID = static_cast<uint16_t>(0x0400 | (langID & 0x3FF));
    const TRTLLCIDRec* locale = FindLocale(*group, langID);
    return locale ? locale->CodePage : 0;
}

std::string LCIDToLocaleName(uint32_t LCID) {
    const TRTLLangGroup* group = GroupOf(LCID);
    if (group == nullptr) return {};
    const TRTLLCIDRec* locale = FindLocale(*group, static_cast<uint16_t>(LCID));
    return locale ? locale->LocaleName : group->LangCode;
}

} // namespace Zarvel
