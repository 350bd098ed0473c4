// Platform services: the process-wide registry of the services a platform offers, found by the
// service's identifier. The library asks it for the canvas service and the screen service.
#pragma once

#include <map>
#include <memory>
#include <string>

namespace FMX {

// Every service derives from this so that the registry can hold it.
class IInterface {
public:
    virtual ~IInterface() = default;
};

class IFMXCanvasService : public IInterface {
public:
    static constexpr const char* GUID = "{476E5E53-A77A-4ADA-93E3-CA66A8956059}";
    virtual void RegisterCanvasClasses() = 0;
    virtual void UnregisterCanvasClasses() = 0;
};

class IFMXScreenService : public IInterface {
public:
    static constexpr const char* GUID = "{BBA246B6-8DEF-4490-9D9C-D2CBE6251A24}";
    virtual float GetScreenScale() = 0;
};

// The screen service of this platform: one scale for the whole screen, 1 unless set.
class TPlatformScreenService : public IFMXScreenService {
public:
    float GetScreenScale() override { return Scale; }
    float Scale = 1;
};

class TPlatformServices {
public:
    // The services of this process; null before a platform sets them up.
    static TPlatformServices* Current();
    static void SetCurrent(std::unique_ptr<TPlatformServices> Services);
    // Sets up the services an application of this platform starts with: the canvas service and the
    // screen service. Returns them.
    static TPlatformServices& CreateDefault();

    void AddPlatformService(const std::string& GUID, std::shared_ptr<IInterface> Service);
    void RemovePlatformService(const std::string& GUID);
    // The service of that identifier, when it is there and of type T.
    template <typename T> bool SupportsPlatformService(std::shared_ptr<T>& Service) const {
        const auto found = FServices.find(T::GUID);
        if (found == FServices.end()) return false;
        Service = std::dynamic_pointer_cast<T>(found->second);
        return Service != nullptr;
    }

private:
    std::map<std::string, std::shared_ptr<IInterface>> FServices;
};

} // namespace FMX
