// Shared by the test suites: restoring the process-wide settings and running the tool.
#pragma once

#include "RTLSystem.GlobalSettings.h"
#include "System.Character.h"
#include "System.SysUtils.h"

#include <gtest/gtest.h>

#include <string>

namespace ZarvelTest {

// Saves the process-wide settings and puts them back when the test ends.
class TSettingsGuard {
public:
    TSettingsGuard()
        : FEquationOrder(Zarvel::TRTLGlobalSettings::EquationOrder),
          FArabicDigitType(Zarvel::TRTLGlobalSettings::ArabicDigitType), FOptions(Zarvel::TRTLGlobalSettings::Options),
          FEditorOptions(Zarvel::TRTLGlobalSettings::EditorOptions) {}
    ~TSettingsGuard() {
        Zarvel::TRTLGlobalSettings::EquationOrder = FEquationOrder;
        Zarvel::TRTLGlobalSettings::ArabicDigitType = FArabicDigitType;
        Zarvel::TRTLGlobalSettings::Options = FOptions;
        Zarvel::TRTLGlobalSettings::EditorOptions = FEditorOptions;
    }

private:
    Zarvel::TRTLGlobalSettings::TMathOrder FEquationOrder;
    Zarvel::TRTLGlobalSettings::TArabicDigitType FArabicDigitType;
    Zarvel::TRTLGlobalOptions FOptions;
    Zarvel::TRTLEditorOptions FEditorOptions;
};

// Runs a statement that must fail an assertion and returns the assertion's message (UTF-8).
#define EXPECT_ASSERTION(Statement, ExpectedMessage)                                                       \
    do {                                                                                                   \
        try {                                                                                              \
            Statement;                                                                                     \
            ADD_FAILURE() << "no assertion from " #Statement;                                              \
        } catch (const Sys::EAssertionFailed& e) {                                                         \
            EXPECT_EQ(Sys::StringToUtf8(e.Message()), std::string(ExpectedMessage));                       \
        }                                                                                                  \
    } while (false)

struct TToolResult {
    int Status;
    std::string Out;
};

// Runs the zarvel tool with the given arguments (a shell word list) and standard input.
TToolResult RunTool(const std::string& Arguments, const std::string& Input = "");

} // namespace ZarvelTest
