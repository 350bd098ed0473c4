// The table of Windows locale identifiers (LCIDs): each language's locales with their names and
// ANSI code pages, and the groups by primary language identifier (the low byte of an LCID) through
// which LCIDToLocaleName finds them. Read-only data, kept as one Windows release listed it, blanks
// and duplicates included.
#pragma once

#include <array>
#include <cstdint>

namespace Zarvel {

// One locale. LocaleName is UTF-8, language and region joined by "-", as stored.
struct TRTLLCIDRec {
    const char* LocaleName;
    uint16_t LCID;
    uint16_t CodePage; // the ANSI code page; 0 where the locale has none
};
using TLCIDRecs = TRTLLCIDRec[];
using PLCIDRecs = const TRTLLCIDRec*;

// One primary language: its ISO 639 code (empty, or two spaces, where the table has none), its
// primary identifier and its locales (List is null and ListSize 0 where it has none).
struct TRTLLangGroup {
    const char* LangCode;
    uint8_t LCID;
    PLCIDRecs List;
    uint16_t ListSize;
};

// The language arrays.
extern const TRTLLCIDRec Afrikaans[1];
extern const TRTLLCIDRec Albanian[1];
extern const TRTLLCIDRec Amharic[1];
extern const TRTLLCIDRec Arabic[16];
extern const TRTLLCIDRec Armenian[1];
extern const TRTLLCIDRec Assamese[1];
extern const TRTLLCIDRec Azeri[2];
extern const TRTLLCIDRec Basque[1];
extern const TRTLLCIDRec Belarusian[1];
extern const TRTLLCIDRec Bengali[2];
extern const TRTLLCIDRec Bosnian[4];
extern const TRTLLCIDRec Bulgarian[1];
extern const TRTLLCIDRec Burmese[1];
extern const TRTLLCIDRec Catalan[1];
extern const TRTLLCIDRec Chinese[5];
extern const TRTLLCIDRec Czech[1];
extern const TRTLLCIDRec Danish[1];
extern const TRTLLCIDRec Dutch[2];
extern const TRTLLCIDRec English[13];
extern const TRTLLCIDRec Estonian[1];
extern const TRTLLCIDRec FYRO[1];
extern const TRTLLCIDRec Faroese[1];
extern const TRTLLCIDRec Farsi[1];
extern const TRTLLCIDRec Finnish[1];
extern const TRTLLCIDRec French[13];
extern const TRTLLCIDRec Gaelic[2];
extern const TRTLLCIDRec Galician[1];
extern const TRTLLCIDRec Georgian[1];
extern const TRTLLCIDRec German[5];
extern const TRTLLCIDRec Greek[1];
extern const TRTLLCIDRec Guarani[1];
extern const TRTLLCIDRec Gujarati[1];
extern const TRTLLCIDRec Hebrew[1];
extern const TRTLLCIDRec Hindi[1];
extern const TRTLLCIDRec Hungarian[1];
extern const TRTLLCIDRec Icelandic[1];
extern const TRTLLCIDRec Indonesian[1];
extern const TRTLLCIDRec Italian[2];
extern const TRTLLCIDRec Japanese[1];
extern const TRTLLCIDRec Kannada[1];
extern const TRTLLCIDRec Kashmiri[1];
extern const TRTLLCIDRec Kazakh[1];
extern const TRTLLCIDRec Kyrgyz[1];
extern const TRTLLCIDRec Khmer[1];
extern const TRTLLCIDRec Korean[1];
extern const TRTLLCIDRec Lao[1];
extern const TRTLLCIDRec Latin[1];
extern const TRTLLCIDRec Latvian[1];
extern const TRTLLCIDRec Lithuanian[1];
extern const TRTLLCIDRec Malay[2];
extern const TRTLLCIDRec Malayalam[1];
extern const TRTLLCIDRec Maltese[1];
extern const TRTLLCIDRec Maori[1];
extern const TRTLLCIDRec Marathi[1];
extern const TRTLLCIDRec Mongolian[2];
extern const TRTLLCIDRec Norwegian[2];
extern const TRTLLCIDRec Nepali[1];
extern const TRTLLCIDRec Frisian[1];
extern const TRTLLCIDRec Oriya[1];
extern const TRTLLCIDRec Polish[1];
extern const TRTLLCIDRec Portuguese[2];
extern const TRTLLCIDRec Punjabi[1];
extern const TRTLLCIDRec Raeto_Romance[1];
extern const TRTLLCIDRec Romanian[2];
extern const TRTLLCIDRec Russian[2];
extern const TRTLLCIDRec Sanskrit[1];
extern const TRTLLCIDRec Setsuana[1];
extern const TRTLLCIDRec Sindhi[1];
extern const TRTLLCIDRec Syriac[1];
extern const TRTLLCIDRec Sinhalese[1];
extern const TRTLLCIDRec Slovak[1];
extern const TRTLLCIDRec Slovenian[1];
extern const TRTLLCIDRec Somali[1];
extern const TRTLLCIDRec Sorbian[1];
extern const TRTLLCIDRec Spanish[19];
extern const TRTLLCIDRec Swahili[1];
extern const TRTLLCIDRec Swedish[2];
extern const TRTLLCIDRec Tajik[1];
extern const TRTLLCIDRec Tamil[1];
extern const TRTLLCIDRec Tatar[1];
extern const TRTLLCIDRec Telugu[1];
extern const TRTLLCIDRec Thai[1];
extern const TRTLLCIDRec Tibetan[1];
extern const TRTLLCIDRec Tsonga[1];
extern const TRTLLCIDRec Turkish[1];
extern const TRTLLCIDRec Turkmen[1];
extern const TRTLLCIDRec Ukrainian[1];
extern const TRTLLCIDRec Urdu[1];
extern const TRTLLCIDRec Uzbek[2];
extern const TRTLLCIDRec Vietnamese[1];
extern const TRTLLCIDRec Welsh[1];
extern const TRTLLCIDRec Xhosa[1];
extern const TRTLLCIDRec Yiddish[1];
extern const TRTLLCIDRec Zulu[1];
extern const TRTLLCIDRec Sami[9];
extern const TRTLLCIDRec Sotho[1];
extern const TRTLLCIDRec Konkani[1];
extern const TRTLLCIDRec Cherokee[1];
extern const TRTLLCIDRec Inuktitut[1];
extern const TRTLLCIDRec Pashto[1];
extern const TRTLLCIDRec Filipino[1];
extern const TRTLLCIDRec Divehi[1];
extern const TRTLLCIDRec Hausa[1];
extern const TRTLLCIDRec Igbo[1];
extern const TRTLLCIDRec Oromo[1];
extern const TRTLLCIDRec Tigrinya[1];
extern const TRTLLCIDRec Hawaiian[1];
extern const TRTLLCIDRec Yi[1];
extern const TRTLLCIDRec Uyghur[1];
extern const TRTLLCIDRec Occitan[1];
extern const TRTLLCIDRec Corsican[1];
extern const TRTLLCIDRec Alsatian[1];
extern const TRTLLCIDRec Sakha[1];
extern const TRTLLCIDRec Kiche[1];
extern const TRTLLCIDRec Kinyarwanda[1];
extern const TRTLLCIDRec Wolof[1];
extern const TRTLLCIDRec ScottishGaelic[1];
extern const TRTLLCIDRec Kurdish[1];
extern const TRTLLCIDRec Yoruba[1];
extern const TRTLLCIDRec Quechua[1];
extern const TRTLLCIDRec Sesotho[1];
extern const TRTLLCIDRec Bashkir[1];
extern const TRTLLCIDRec Luxembourgish[1];
extern const TRTLLCIDRec Greenlandic[1];
extern const TRTLLCIDRec Mapudungun[1];
extern const TRTLLCIDRec Mohawk[1];
extern const TRTLLCIDRec Breton[1];
extern const TRTLLCIDRec Dari[1];

// LCGroups[k - 1] describes primary language identifier k, for k from 1 (0x01) to 146 (0x92).
extern const std::array<TRTLLangGroup, 146> LCGroups;

} // namespace Zarvel
