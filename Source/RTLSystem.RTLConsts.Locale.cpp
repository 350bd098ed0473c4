#include "RTLSystem.RTLConsts.Locale.h"

#include <cstddef>

namespace Zarvel {

constexpr TRTLLCIDRec Afrikaans[] = {
    {"af", 0x0436, 1252},
};
constexpr TRTLLCIDRec Albanian[] = {
    {"sq", 0x041C, 1250},
};
constexpr TRTLLCIDRec Amharic[] = {
    {"am", 0x045E, 0},
};
constexpr TRTLLCIDRec Arabic[] = {
    {"ar-dz", 0x1401, 1256}, {"ar-bh", 0x3C01, 1256}, {"ar-eg", 0x0C01, 1256}, {"ar-iq", 0x0801, 1256},
    {"ar-jo", 0x2C01, 1256}, {"ar-kw", 0x3401, 1256}, {"ar-lb", 0x3001, 1256}, {"ar-ly", 0x1001, 1256},
    {"ar-ma", 0x1801, 1256}, {"ar-om", 0x2001, 1256}, {"ar-qa", 0x4001, 1256}, {"ar-sa", 0x0401, 1256},
    {"ar-sy", 0x2801, 1256}, {"ar-tn", 0x1C01, 1256}, {"ar-ae", 0x3801, 1256}, {"ar-ye", 0x2401, 1256},
};
constexpr TRTLLCIDRec Armenian[] = {
    {"hy", 0x042B, 0},
};
constexpr TRTLLCIDRec Assamese[] = {
    {"as", 0x044D, 0},
};
constexpr TRTLLCIDRec Azeri[] = {
    // Latin and Cyrillic share the name
    {"az-az", 0x082C, 1251},
    {"az-az", 0x042C, 1254},
};
constexpr TRTLLCIDRec Basque[] = {
    {"eu", 0x042D, 1252},
};
constexpr TRTLLCIDRec Belarusian[] = {
    {"be", 0x0423, 1251},
};
constexpr TRTLLCIDRec Bengali[] = {
    {"bn", 0x0845, 0},
    {"bn", 0x0445, 0},
};
constexpr TRTLLCIDRec Bosnian[] = {
    // the group also lists Croatian and both Serbian scripts
    {"bs", 0x141A, 0},
    {"hr", 0x041A, 1250},
    {"sr-sp", 0x081A, 1250},
    {"sr-sp", 0x0C1A, 1251},
};
constexpr TRTLLCIDRec Bulgarian[] = {
    {"bg", 0x0402, 1251},
};
constexpr TRTLLCIDRec Burmese[] = {
    {"my", 0x0455, 0},
};
constexpr TRTLLCIDRec Catalan[] = {
    {"ca", 0x0403, 1252},
};
constexpr TRTLLCIDRec Chinese[] = {
    {"zh-cn", 0x0804, 0}, {"zh-hk", 0x0C04, 0}, {"zh-mo", 0x1404, 0},
    {"zh-sg", 0x1004, 0}, {"zh-tw", 0x0404, 0},
};
constexpr TRTLLCIDRec Czech[] = {
    {"cs", 0x0405, 1250},
};
constexpr TRTLLCIDRec Danish[] = {
    {"da", 0x0406, 1252},
};
constexpr TRTLLCIDRec Dutch[] = {
    {"nl-be", 0x0813, 1252},
    {"nl-nl", 0x0413, 1252},
};
constexpr TRTLLCIDRec English[] = {
    {"en-au", 0x0C09, 1252}, {"en-bz", 0x2809, 1252}, {"en-ca", 0x1009, 1252}, {"en-cb", 0x2409, 1252},
    {"en-gb", 0x0809, 1252}, {"en-in", 0x4009, 0},    {"en-ie", 0x1809, 1252}, {"en-jm", 0x2009, 1252},
    {"en-nz", 0x1409, 1252}, {"en-ph", 0x3409, 1252}, {"en-za", 0x1C09, 1252}, {"en-tt", 0x2C09, 1252},
    {"en-us", 0x0409, 1252},
};
constexpr TRTLLCIDRec Estonian[] = {
    {"et", 0x0425, 1257},
};
constexpr TRTLLCIDRec FYRO[] = {
    {"mk", 0x042F, 1251},
};
constexpr TRTLLCIDRec Faroese[] = {
    {"fo", 0x0438, 1252},
};
constexpr TRTLLCIDRec Farsi[] = {
    {"fa-IR", 0x0429, 1256},
};
constexpr TRTLLCIDRec Finnish[] = {
    {"fi", 0x040B, 1252},
};
constexpr TRTLLCIDRec French[] = {
    // eight locales carry the bare language name
    {"fr-be", 0x080C, 1252}, {"fr", 0x2C0C, 0},       {"fr-ca", 0x0C0C, 1252}, {"fr", 0x240C, 0},
    {"fr", 0x300C, 0},       {"fr-fr", 0x040C, 1252}, {"fr-lu", 0x140C, 1252}, {"fr", 0x340C, 0},
    {"fr", 0x180C, 1252},    {"fr", 0x380C, 0},       {"fr", 0x280C, 0},       {"fr-ch", 0x100C, 1252},
    {"fr", 0x1C0C, 0},
};
constexpr TRTLLCIDRec Gaelic[] = {
    // the group code "gd" also names group 145
    {"gd-ie", 0x083C, 0},
    {"gd", 0x043C, 0},
};
constexpr TRTLLCIDRec Galician[] = {
    {"gl", 0x0456, 1252},
};
constexpr TRTLLCIDRec Georgian[] = {
    {"ka", 0x0437, 0},
};
constexpr TRTLLCIDRec German[] = {
    {"de-at", 0x0C07, 1252}, {"de-de", 0x0407, 1252}, {"de-li", 0x1407, 1252},
    {"de-lu", 0x1007, 1252}, {"de-ch", 0x0807, 1252},
};
constexpr TRTLLCIDRec Greek[] = {
    {"el", 0x0408, 1253},
};
constexpr TRTLLCIDRec Guarani[] = {
    {"gn-PY", 0x0474, 1252},
};
constexpr TRTLLCIDRec Gujarati[] = {
    {"gu", 0x0447, 0},
};
constexpr TRTLLCIDRec Hebrew[] = {
    {"he", 0x040D, 1255},
};
constexpr TRTLLCIDRec Hindi[] = {
    {"hi", 0x0439, 0},
};
constexpr TRTLLCIDRec Hungarian[] = {
    {"hu", 0x040E, 1250},
};
constexpr TRTLLCIDRec Icelandic[] = {
    {"is", 0x040F, 1252},
};
constexpr TRTLLCIDRec Indonesian[] = {
    {"id", 0x0421, 1252},
};
constexpr TRTLLCIDRec Italian[] = {
    {"it-it", 0x0410, 1252},
    {"it-ch", 0x0810, 1252},
};
constexpr TRTLLCIDRec Japanese[] = {
    {"ja", 0x0411, 0},
};
constexpr TRTLLCIDRec Kannada[] = {
    {"kn", 0x044B, 0},
};
constexpr TRTLLCIDRec Kashmiri[] = {
    {"ks", 0x0460, 0},
};
constexpr TRTLLCIDRec Kazakh[] = {
    {"kk", 0x043F, 1251},
};
constexpr TRTLLCIDRec Kyrgyz[] = {
    {"ky-KG", 0x0440, 1251},
};
constexpr TRTLLCIDRec Khmer[] = {
    {"km", 0x0453, 0},
};
constexpr TRTLLCIDRec Korean[] = {
    {"ko", 0x0412, 0},
};
constexpr TRTLLCIDRec Lao[] = {
    {"lo", 0x0454, 0},
};
constexpr TRTLLCIDRec Latin[] = {
    {"la", 0x0476, 0},
};
constexpr TRTLLCIDRec Latvian[] = {
    {"lv", 0x0426, 1257},
};
constexpr TRTLLCIDRec Lithuanian[] = {
    {"lt", 0x0427, 1257},
};
constexpr TRTLLCIDRec Malay[] = {
    {"ms-bn", 0x083E, 1252},
    {"ms-my", 0x043E, 1252},
};
constexpr TRTLLCIDRec Malayalam[] = {
    {"ml", 0x044C, 0},
};
constexpr TRTLLCIDRec Maltese[] = {
    {"mt", 0x043A, 0},
};
constexpr TRTLLCIDRec Maori[] = {
    {"mi-NZ", 0x0481, 0},
};
constexpr TRTLLCIDRec Marathi[] = {
    {"mr", 0x044E, 0},
};
constexpr TRTLLCIDRec Mongolian[] = {
    // two entries named "mn"
    {"mn", 0x0850, 0},
    {"mn", 0x0450, 1251},
};
constexpr TRTLLCIDRec Norwegian[] = {
    {"nn", 0x0814, 1252},
    {"nb", 0x0414, 1252},
};
constexpr TRTLLCIDRec Nepali[] = {
    {"ne", 0x0461, 0},
};
constexpr TRTLLCIDRec Frisian[] = {
    {"fy-NL", 0x0462, 1252},
};
constexpr TRTLLCIDRec Oriya[] = {
    {"or", 0x0448, 0},
};
constexpr TRTLLCIDRec Polish[] = {
    {"pl", 0x0415, 1250},
};
constexpr TRTLLCIDRec Portuguese[] = {
    {"pt-br", 0x0416, 1252},
    {"pt-pt", 0x0816, 1252},
};
constexpr TRTLLCIDRec Punjabi[] = {
    {"pa", 0x0446, 0},
};
constexpr TRTLLCIDRec Raeto_Romance[] = {
    {"rm", 0x0417, 0},
};
constexpr TRTLLCIDRec Romanian[] = {
    {"ro", 0x0418, 1250},
    {"ro-mo", 0x0818, 0},
};
constexpr TRTLLCIDRec Russian[] = {
    {"ru", 0x0419, 1251},
    {"ru-mo", 0x0819, 0},
};
constexpr TRTLLCIDRec Sanskrit[] = {
    {"sa", 0x044F, 0},
};
constexpr TRTLLCIDRec Setsuana[] = {
    {"tn", 0x0432, 0},
};
constexpr TRTLLCIDRec Sindhi[] = {
    {"sd", 0x0459, 0},
};
constexpr TRTLLCIDRec Syriac[] = {
    {"syr-SY", 0x045A, 0},
};
constexpr TRTLLCIDRec Sinhalese[] = {
    {"si", 0x045B, 0},
};
constexpr TRTLLCIDRec Slovak[] = {
    {"sk", 0x041B, 1250},
};
constexpr TRTLLCIDRec Slovenian[] = {
    {"sl", 0x0424, 1250},
};
constexpr TRTLLCIDRec Somali[] = {
    {"so-SO", 0x0477, 0},
};
constexpr TRTLLCIDRec Sorbian[] = {
    {"sb", 0x042E, 0},
};
constexpr TRTLLCIDRec Spanish[] = {
    {"es-ar", 0x2C0A, 1252}, {"es-bo", 0x400A, 1252}, {"es-cl", 0x340A, 1252}, {"es-co", 0x240A, 1252},
    {"es-cr", 0x140A, 1252}, {"es-do", 0x1C0A, 1252}, {"es-ec", 0x300A, 1252}, {"es-sv", 0x440A, 1252},
    {"es-gt", 0x100A, 1252}, {"es-hn", 0x480A, 1252}, {"es-mx", 0x080A, 1252}, {"es-ni", 0x4C0A, 1252},
    {"es-pa", 0x180A, 1252}, {"es-py", 0x3C0A, 1252}, {"es-pe", 0x280A, 1252}, {"es-pr", 0x500A, 1252},
    {"es-es", 0x040A, 1252}, {"es-uy", 0x380A, 1252}, {"es-ve", 0x200A, 1252},
};
constexpr TRTLLCIDRec Swahili[] = {
    {"sw", 0x0441, 1252},
};
constexpr TRTLLCIDRec Swedish[] = {
    {"sv-se", 0x041D, 1252},
    {"sv-fi", 0x081D, 1252},
};
constexpr TRTLLCIDRec Tajik[] = {
    {"tg", 0x0428, 0},
};
constexpr TRTLLCIDRec Tamil[] = {
    {"ta", 0x0449, 0},
};
constexpr TRTLLCIDRec Tatar[] = {
    {"tt", 0x0444, 1251},
};
constexpr TRTLLCIDRec Telugu[] = {
    {"te", 0x044A, 0},
};
constexpr TRTLLCIDRec Thai[] = {
    {"th", 0x041E, 0},
};
constexpr TRTLLCIDRec Tibetan[] = {
    {"bo", 0x0451, 0},
};
constexpr TRTLLCIDRec Tsonga[] = {
    {"ts", 0x0431, 0},
};
constexpr TRTLLCIDRec Turkish[] = {
    {"tr", 0x041F, 1254},
};
constexpr TRTLLCIDRec Turkmen[] = {
    {"tk", 0x0442, 0},
};
constexpr TRTLLCIDRec Ukrainian[] = {
    {"uk", 0x0422, 1251},
};
constexpr TRTLLCIDRec Urdu[] = {
    {"ur", 0x0420, 1256},
};
constexpr TRTLLCIDRec Uzbek[] = {
    // Latin and Cyrillic share the name
    {"uz-uz", 0x0443, 1254},
    {"uz-uz", 0x0843, 1251},
};
constexpr TRTLLCIDRec Vietnamese[] = {
    {"vi", 0x042A, 1258},
};
constexpr TRTLLCIDRec Welsh[] = {
    {"cy", 0x0452, 0},
};
constexpr TRTLLCIDRec Xhosa[] = {
    {"xh", 0x0434, 0},
};
constexpr TRTLLCIDRec Yiddish[] = {
    {"yi", 0x043D, 0},
};
constexpr TRTLLCIDRec Zulu[] = {
    {"zu", 0x0435, 0},
};
constexpr TRTLLCIDRec Sami[] = {
    // nine locales without names; the group has no language code
    {"", 0x243B, 0}, {"", 0x143B, 0}, {"", 0x103B, 0}, {"", 0x043B, 0}, {"", 0x083B, 0},
    {"", 0x0C3B, 0}, {"", 0x203B, 0}, {"", 0x183B, 0}, {"", 0x1C3B, 0},
};
constexpr TRTLLCIDRec Sotho[] = {
    {"st-ZA", 0x0430, 0},
};
constexpr TRTLLCIDRec Konkani[] = {
    {"kok-IN", 0x0457, 0},
};
constexpr TRTLLCIDRec Cherokee[] = {
    {"chr-Cher-US", 0x045C, 0},
};
constexpr TRTLLCIDRec Inuktitut[] = {
    {"iu-Cans-CA", 0x045D, 0},
};
constexpr TRTLLCIDRec Pashto[] = {
    {"ps-AF", 0x0463, 0},
};
constexpr TRTLLCIDRec Filipino[] = {
    {"fil-PH", 0x0464, 0},
};
constexpr TRTLLCIDRec Divehi[] = {
    {"dv-MV", 0x0465, 0},
};
constexpr TRTLLCIDRec Hausa[] = {
    {"ha-Latn-NG", 0x0468, 1252},
};
constexpr TRTLLCIDRec Igbo[] = {
    {"ig-NG", 0x0470, 1252},
};
constexpr TRTLLCIDRec Oromo[] = {
    {"om-ET", 0x0472, 0},
};
constexpr TRTLLCIDRec Tigrinya[] = {
    {"ti-ET", 0x0473, 0},
};
constexpr TRTLLCIDRec Hawaiian[] = {
    {"haw-US", 0x0475, 1252},
};
constexpr TRTLLCIDRec Yi[] = {
    {"ii-CN", 0x0478, 0},
};
constexpr TRTLLCIDRec Uyghur[] = {
    {"ug-CN", 0x0480, 0},
};
constexpr TRTLLCIDRec Occitan[] = {
    {"oc-FR", 0x0482, 1252},
};
constexpr TRTLLCIDRec Corsican[] = {
    {"co-FR", 0x0483, 1252},
};
constexpr TRTLLCIDRec Alsatian[] = {
    {"gsw-FR", 0x0484, 1252},
};
constexpr TRTLLCIDRec Sakha[] = {
    {"sah-RU", 0x0485, 1251},
};
constexpr TRTLLCIDRec Kiche[] = {
    {"qut-GT", 0x0486, 1252},
};
constexpr TRTLLCIDRec Kinyarwanda[] = {
    {"rw-RW", 0x0487, 1252},
};
constexpr TRTLLCIDRec Wolof[] = {
    {"wo-SN", 0x0488, 1252},
};
constexpr TRTLLCIDRec ScottishGaelic[] = {
    {"gd-GB", 0x0491, 1252},
};
constexpr TRTLLCIDRec Kurdish[] = {
    {"ku-Arab-IQ", 0x0492, 1256},
};
constexpr TRTLLCIDRec Yoruba[] = {
    {"yo-NG", 0x046A, 1252},
};
constexpr TRTLLCIDRec Quechua[] = {
    // the name is stored as "kuz-BO"; the group code is "quz"
    {"kuz-BO", 0x046B, 1252},
};
constexpr TRTLLCIDRec Sesotho[] = {
    {"nso-ZA", 0x046C, 1252},
};
constexpr TRTLLCIDRec Bashkir[] = {
    {"ba-RU", 0x046D, 1251},
};
constexpr TRTLLCIDRec Luxembourgish[] = {
    {"lb-LU", 0x046E, 1252},
};
constexpr TRTLLCIDRec Greenlandic[] = {
    {"kl-GL", 0x046F, 1252},
};
constexpr TRTLLCIDRec Mapudungun[] = {
    {"arn-CL", 0x047A, 1252},
};
constexpr TRTLLCIDRec Mohawk[] = {
    {"moh-CA", 0x047C, 1252},
};
constexpr TRTLLCIDRec Breton[] = {
    {"br-FR", 0x047E, 1252},
};
constexpr TRTLLCIDRec Dari[] = {
    {"prs-AF", 0x048C, 1256},
};

namespace {

constexpr TRTLLangGroup Group(const char* LangCode, uint8_t LCID) {
    return {LangCode, LCID, nullptr, 0};
}

template <size_t N>
constexpr TRTLLangGroup Group(const char* LangCode, uint8_t LCID, const TRTLLCIDRec (&List)[N]) {
    return {LangCode, LCID, List, uint16_t(N)};
}

} // namespace

// A blank code is two spaces, an empty one is "": both kept as the table has them.
constexpr std::array<TRTLLangGroup, 146> LCGroups = {
    Group("ar", 0x01, Arabic),
    Group("bg", 0x02, Bulgarian),
    Group("ca", 0x03, Catalan),
    Group("zh", 0x04, Chinese),
    Group("cs", 0x05, Czech),
    Group("da", 0x06, Danish),
    Group("de", 0x07, German),
    Group("el", 0x08, Greek),
    Group("en", 0x09, English),
    Group("es", 0x0A, Spanish),
    Group("fi", 0x0B, Finnish),
    Group("fr", 0x0C, French),
    Group("he", 0x0D, Hebrew),
    Group("hu", 0x0E, Hungarian),
    Group("is", 0x0F, Icelandic),
    Group("it", 0x10, Italian),
    Group("ja", 0x11, Japanese),
    Group("ko", 0x12, Korean),
    Group("nl", 0x13, Dutch),
    Group("nb", 0x14, Norwegian),
    Group("pl", 0x15, Polish),
    Group("pt", 0x16, Portuguese),
    Group("rm", 0x17, Raeto_Romance),
    Group("ro", 0x18, Romanian),
    Group("ru", 0x19, Russian),
    Group("bs", 0x1A, Bosnian),
    Group("sk", 0x1B, Slovak),
    Group("sq", 0x1C, Albanian),
    Group("sv", 0x1D, Swedish),
    Group("th", 0x1E, Thai),
    Group("tr", 0x1F, Turkish),
    Group("ur", 0x20, Urdu),
    Group("id", 0x21, Indonesian),
    Group("uk", 0x22, Ukrainian),
    Group("be", 0x23, Belarusian),
    Group("sl", 0x24, Slovenian),
    Group("et", 0x25, Estonian),
    Group("lv", 0x26, Latvian),
    Group("lt", 0x27, Lithuanian),
    Group("tg", 0x28, Tajik),
    Group("fa", 0x29, Farsi),
    Group("vi", 0x2A, Vietnamese),
    Group("hy", 0x2B, Armenian),
    Group("az", 0x2C, Azeri),
    Group("eu", 0x2D, Basque),
    Group("sb", 0x2E, Sorbian),
    Group("mk", 0x2F, FYRO),
    Group("st", 0x30, Sotho),
    Group("ts", 0x31, Tsonga),
    Group("tn", 0x32, Setsuana),
    Group("  ", 0x33),
    Group("xh", 0x34, Xhosa),
    Group("zu", 0x35, Zulu),
    Group("af", 0x36, Afrikaans),
    Group("ka", 0x37, Georgian),
    Group("fo", 0x38, Faroese),
    Group("hi", 0x39, Hindi),
    Group("mt", 0x3A, Maltese),
    Group("", 0x3B, Sami),
    Group("gd", 0x3C, Gaelic),
    Group("yi", 0x3D, Yiddish),
    Group("ms", 0x3E, Malay),
    Group("kk", 0x3F, Kazakh),
    Group("ky", 0x40, Kyrgyz),
    Group("sw", 0x41, Swahili),
    Group("tk", 0x42, Turkmen),
    Group("uz", 0x43, Uzbek),
    Group("tt", 0x44, Tatar),
    Group("bn", 0x45, Bengali),
    Group("pa", 0x46, Punjabi),
    Group("gu", 0x47, Gujarati),
    Group("or", 0x48, Oriya),
    Group("ta", 0x49, Tamil),
    Group("te", 0x4A, Telugu),
    Group("kn", 0x4B, Kannada),
    Group("ml", 0x4C, Malayalam),
    Group("as", 0x4D, Assamese),
    Group("mr", 0x4E, Marathi),
    Group("sa", 0x4F, Sanskrit),
    Group("mn", 0x50, Mongolian),
    Group("bo", 0x51, Tibetan),
    Group("cy", 0x52, Welsh),
    Group("km", 0x53, Khmer),
    Group("lo", 0x54, Lao),
    Group("my", 0x55, Burmese),
    Group("gl", 0x56, Galician),
    Group("kok", 0x57, Konkani),
    Group("  ", 0x58),
    Group("sd", 0x59, Sindhi),
    Group("syr", 0x5A, Syriac),
    Group("si", 0x5B, Sinhalese),
    Group("chr", 0x5C, Cherokee),
    Group("iu", 0x5D, Inuktitut),
    Group("am", 0x5E, Amharic),
    Group("", 0x5F),
    Group("ks", 0x60, Kashmiri),
    Group("ne", 0x61, Nepali),
    Group("fy", 0x62, Frisian),
    Group("ps", 0x63, Pashto),
    Group("fil", 0x64, Filipino),
    Group("dv", 0x65, Divehi),
    Group("  ", 0x66),
    Group("", 0x67),
    Group("ha", 0x68, Hausa),
    Group("", 0x69),
    Group("yo", 0x6A, Yoruba),
    Group("quz", 0x6B, Quechua),
    Group("nso", 0x6C, Sesotho),
    Group("ba", 0x6D, Bashkir),
    Group("lb", 0x6E, Luxembourgish),
    Group("kl", 0x6F, Greenlandic),
    Group("ig", 0x70, Igbo),
    Group("", 0x71),
    Group("om", 0x72, Oromo),
    Group("ti", 0x73, Tigrinya),
    Group("gn", 0x74, Guarani),
    Group("haw", 0x75, Hawaiian),
    Group("la", 0x76, Latin),
    Group("so", 0x77, Somali),
    Group("ii", 0x78, Yi),
    Group("", 0x79),
    Group("arn", 0x7A, Mapudungun),
    Group("", 0x7B),
    Group("moh", 0x7C, Mohawk),
    Group("", 0x7D),
    Group("br", 0x7E, Breton),
    Group("", 0x7F),
    Group("ug", 0x80, Uyghur),
    Group("mi", 0x81, Maori),
    Group("oc", 0x82, Occitan),
    Group("co", 0x83, Corsican),
    Group("gsw", 0x84, Alsatian),
    Group("sah", 0x85, Sakha),
    Group("qut", 0x86, Kiche),
    Group("rw", 0x87, Kinyarwanda),
    Group("wo", 0x88, Wolof),
    Group("", 0x89),
    Group("", 0x8A),
    Group("", 0x8B),
    Group("prs", 0x8C, Dari),
    Group("", 0x8D),
    Group("", 0x8E),
    Group("", 0x8F),
    Group("", 0x90),
    Group("gd", 0x91, ScottishGaelic),
    Group("ku", 0x92, Kurdish),
};

} // namespace Zarvel
