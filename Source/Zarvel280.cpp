// The package unit: runs the units' one-time initialisations once, in dependency order, when the
// shared library is loaded, and their finalisations in reverse order when it is unloaded. Each
// class's one-time initialisation runs just before its unit's.
#include "DTConst.h"
#include "InitLocale.h"
#include "RTL.Date.Custom.h"
#include "RTL.Date.Hijri.h"
#include "RTL.Date.Jalali.h"
#include "RTL.Date.Julian.h"
#include "RTL.FontGlyphs.h"
#include "RTLData.Bind.GenData.h"
#include "RTLSystem.Bindings.Outputs.h"
#include "RTLSystem.GlobalSettings.h"
#include "System.SysUtils.h"
#include "Unicode.Engine.Types.h"
#include "VirtualClass.h"

namespace Zarvel {

namespace {

struct TPackage {
    TPackage() {
        TRTLGlobalSettings::ClassInitialize();
        // The extended UI types come in with the settings; right after them the process masks its
        // floating-point exceptions.
        Sys::MaskFPUExceptions();
        TDirectiveChars::ClassInitialize();
        InitializeUnicodeEngineTypes();
        TVirtualClassGenerator::ClassInitialize();
        // The glyph manager for this platform.
        TFontGlyphManagerRTL::ClassInitialize();
        InitializeDTConst();
        InitializeInitLocale();
        // The calendars register in the order of their units; the last one to claim the default name
        // is "IslamicTabular".
        InitializeRTLDateJalali();
        InitializeRTLDateHijri();
        InitializeRTLDateCustom();
        InitializeRTLDateJulian();
        TRTLConverterUtils::ClassInitialize();
        InitializeRTLSystemBindingsOutputs();
        InitializeRTLDataBindGenData();
    }
    ~TPackage() {
        TRTLConverterUtils::ClassFinalize();
        TRTLCalendarCalcFactory::ClassFinalize();
        TFontGlyphManagerRTL::ClassFinalize();
        TVirtualClassGenerator::ClassFinalize();
        TDirectiveChars::ClassFinalize();
    }
};

const TPackage Package;

} // namespace

} // namespace Zarvel
