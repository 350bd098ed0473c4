#include "FMX.Platform.h"

#include "FMX.Canvas.h"

namespace FMX {

namespace {
std::unique_ptr<TPlatformServices>& CurrentServices() {
    static std::unique_ptr<TPlatformServices> current;
    return current;
}
} // namespace

TPlatformServices* TPlatformServices::Current() {
    return CurrentServices().get();
}

void TPlatformServices::SetCurrent(std::unique_ptr<TPlatformServices> Services) {
    CurrentServices() = std::move(Services);
}

TPlatformServices& TPlatformServices::CreateDefault() {
    auto services = std::make_unique<TPlatformServices>();
    services->AddPlatformService(IFMXCanvasService::GUID, std::make_shared<TPlatformCanvasService>());
    services->AddPlatformService(IFMXScreenService::GUID, std::make_shared<TPlatformScreenService>());
    SetCurrent(std::move(services));
    return *Current();
}

void TPlatformServices::AddPlatformService(const std::string& GUID, std::shared_ptr<IInterface> Service) {
    FServices[GUID] = std::move(Service);
}

void TPlatformServices::RemovePlatformService(const std::string& GUID) {
    FServices.erase(GUID);
}

} // namespace FMX
