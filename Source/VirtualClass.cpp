#include "VirtualClass.h"

#include "System.SysUtils.h"

#include <algorithm>

namespace Zarvel {

namespace {

constexpr const char* UnitName = "VirtualClass";

// The list is made at initialisation and dropped at unload.
std::vector<TVirtualClassGenerator::TAllocatedClassRec*>* FClassList = nullptr;

// The classes themselves stay until the process ends: objects and registrations may still refer to
// them after the list is gone.
std::vector<std::unique_ptr<TVirtualClassGenerator::TAllocatedClassRec>>& Blocks() {
    static auto* blocks = new std::vector<std::unique_ptr<TVirtualClassGenerator::TAllocatedClassRec>>();
    return *blocks;
}

} // namespace

TCodePointer TVmt::GetMethod(size_t Index) const {
    return FRecord->Slots.at(Index);
}

void TVmt::SetMethod(size_t Index, TCodePointer Address) const {
    FRecord->Slots.at(Index) = Address;
}

size_t TVmt::GetMethodIndex(TCodePointer Address) const {
    const auto found = std::find(FRecord->Slots.begin(), FRecord->Slots.end(), Address);
    ZARVEL_ASSERT(found != FRecord->Slots.end());
    return size_t(found - FRecord->Slots.begin());
}

uint16_t TVirtualClassGenerator::ParOff(uint32_t _32BitParamCount, uint32_t _64BitParamCount,
                                        uint32_t PointerParamCount, uint32_t SingleFloatCount,
                                        uint32_t DoubleFloatCount, uint32_t SizeOfAllOtherParams) {
    return static_cast<uint16_t>(
        16 +
        8 * (_32BitParamCount + _64BitParamCount + PointerParamCount + SingleFloatCount + DoubleFloatCount) +
        SizeOfAllOtherParams);
}

const TClassRecord* TVirtualClassGenerator::CreateNewClass(
    const TClassRecord& ParentClass, const std::string& AUnitName, const std::string& ClassName,
    const std::vector<TOverrideMethodInfo>& OverrideVirtualMethods,
    const std::vector<TPublishedMethod>& PublishedMethods, const std::vector<TCodePointer>& NewVirtualMethods,
    uint32_t InstanceSize, std::function<std::any()> NewFields) {
    ZARVEL_ASSERT(ClassName.size() <= 255);
    if (!FClassList) ClassInitialize();
    auto* block = Blocks().emplace_back(new TAllocatedClassRec{0, 0, ParentClass}).get();
    TClassRecord& vmt = block->VMT;
    size_t methodTableSize = 2;
    for (const TPublishedMethod& m : PublishedMethods)
        methodTableSize += 27 + m.MethodName.size() + 8 * m.Params.size();
    block->AllocationSize =
        static_cast<uint16_t>(208 + TVmt::GetVMT(ParentClass).GetSize() + 8 * NewVirtualMethods.size() +
                              methodTableSize + 2 * (ClassName.size() + 1) + AUnitName.size() + 1);
    vmt.ClassName = ClassName;
    vmt.UnitName = AUnitName;
    vmt.Parent = &ParentClass;
    vmt.InstanceSize = std::max(ParentClass.InstanceSize, InstanceSize);
    if (NewFields) vmt.NewFields = std::move(NewFields);
    vmt.MethodTable.clear();
    for (const TPublishedMethod& m : PublishedMethods) vmt.MethodTable.emplace_back(m.MethodName, m.Address);
    for (const TOverrideMethodInfo& o : OverrideVirtualMethods)
        TVmt::GetVMT(vmt).SetMethod(size_t(o.Index), o.Address);
    vmt.Slots.insert(vmt.Slots.end(), NewVirtualMethods.begin(), NewVirtualMethods.end());
    FClassList->push_back(block);
    return &vmt;
}

const std::vector<TVirtualClassGenerator::TAllocatedClassRec*>& TVirtualClassGenerator::ClassList() {
    if (!FClassList) ClassInitialize();
    return *FClassList;
}

void TVirtualClassGenerator::ClassInitialize() {
    if (!FClassList) FClassList = new std::vector<TAllocatedClassRec*>();
}

void TVirtualClassGenerator::ClassFinalize() {
    delete FClassList;
    FClassList = nullptr;
}

} // namespace Zarvel
