// The UI stand-in's screen, forms and platform services.
#include "FMX.Canvas.h"
#include "FMX.Forms.h"
#include "FMX.Platform.h"

#include <gtest/gtest.h>

namespace {

struct TScale : FMX::IFMXScreenService {
    float GetScreenScale() override { return 2; }
};

} // namespace

TEST(PlatformFMX, ServicesAreFoundByIdentifierAndType) {
    FMX::TPlatformServices services;
    std::shared_ptr<FMX::IFMXScreenService> screen;
    std::shared_ptr<FMX::IFMXCanvasService> canvas;
    EXPECT_FALSE(services.SupportsPlatformService(screen));
    services.AddPlatformService(FMX::IFMXScreenService::GUID, std::make_shared<TScale>());
    ASSERT_TRUE(services.SupportsPlatformService(screen));
    EXPECT_EQ(screen->GetScreenScale(), 2);
    EXPECT_FALSE(services.SupportsPlatformService(canvas));
    // A service registered under another's identifier is not taken for it.
    services.AddPlatformService(FMX::IFMXCanvasService::GUID, std::make_shared<TScale>());
    EXPECT_FALSE(services.SupportsPlatformService(canvas));
    services.RemovePlatformService(FMX::IFMXScreenService::GUID);
    EXPECT_FALSE(services.SupportsPlatformService(screen));
}

TEST(PlatformFMX, ScreenAndActiveForm) {
    FMX::TScreen screen;
    EXPECT_EQ(screen.ActiveForm(), nullptr);
    FMX::TCommonCustomForm form;
    form.BiDiMode = FMX::TBiDiMode::bdRightToLeft;
    screen.SetActiveForm(&form);
    EXPECT_EQ(screen.ActiveForm()->BiDiMode, FMX::TBiDiMode::bdRightToLeft);
}

TEST(PlatformFMX, DefaultServicesOfAnApplication) {
    ASSERT_EQ(FMX::TPlatformServices::Current(), nullptr); // nothing until an application sets them up
    FMX::TPlatformServices& services = FMX::TPlatformServices::CreateDefault();
    std::shared_ptr<FMX::IFMXScreenService> screen;
    std::shared_ptr<FMX::IFMXCanvasService> canvas;
    ASSERT_TRUE(services.SupportsPlatformService(screen));
    EXPECT_EQ(screen->GetScreenScale(), 1);
    EXPECT_TRUE(services.SupportsPlatformService(canvas));
    FMX::TPlatformServices::SetCurrent(nullptr);
}
