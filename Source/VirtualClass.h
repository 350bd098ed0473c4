// Deriving classes at run time from platform classes the library meets only as class records: a
// copy of the parent's record with a new name, a possibly larger instance size, chosen slots holding
// the library's operations, and extra fields for its objects. TVmt reads and writes a record's slots.
#pragma once

#include "System.ClassRecords.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Zarvel {

using Sys::TClassRecord;
using Sys::TCodePointer;

// Access to a class record and its slot table. Sizes count pointer-sized fields as the platform lays
// a record out: 25 fields of record, then one per slot.
struct TVmt {
    static constexpr size_t RecordFieldCount = 25;
    // Equals … Destroy and three reserved slots of the root class.
    static constexpr size_t RootMethodCount = 14;

    static TVmt GetVMT(const TClassRecord& Class) { return TVmt(const_cast<TClassRecord&>(Class)); }
    static TVmt GetVMT(const Sys::TObject& Object) { return GetVMT(Object.ClassType()); }

    TCodePointer* UserDefinedVirtuals() const { return FRecord->Slots.data(); }
    TCodePointer GetMethod(size_t Index) const;
    void SetMethod(size_t Index, TCodePointer Address) const;
    // The first slot holding Address; an assertion when none does.
    size_t GetMethodIndex(TCodePointer Address) const;
    size_t GetUserMethodCount() const { return FRecord->Slots.size(); }
    size_t GetMethodCount() const { return RootMethodCount + GetUserMethodCount(); }
    size_t GetSize() const { return (RecordFieldCount + GetUserMethodCount()) * sizeof(void*); }
    size_t GetSizeMethodPartsOnly() const { return GetMethodCount() * sizeof(void*); }
    size_t GetSizeUserMethodsOnly() const { return GetUserMethodCount() * sizeof(void*); }
    // Just past the last slot.
    TCodePointer* VmtEnd() const { return UserDefinedVirtuals() + GetUserMethodCount(); }

    TClassRecord& Record() const { return *FRecord; }

private:
    explicit TVmt(TClassRecord& Record) : FRecord(&Record) {}
    TClassRecord* FRecord;
};

class TVirtualClassGenerator {
public:
    struct TOverrideMethodInfo {
        int32_t Index;
        TCodePointer Address;
    };

    struct TMethodParam {
        std::string Name;
        uint8_t Flags;
        std::string ParamType;
        uint8_t ParOff;
    };

    struct TPublishedMethod {
        std::string MethodName;
        TCodePointer Address;
        uint8_t CC;
        uint16_t VirtualIndex;
        uint16_t Flags;
        std::string ResultType;
        uint16_t ParOff;
        std::vector<TMethodParam> Params;
    };

    // A generated class's block: its size, a reference count the generator does not keep, and the
    // record.
    struct TAllocatedClassRec {
        uint16_t AllocationSize;
        int32_t Reference;
        TClassRecord VMT;
    };

    // 16 + 8 × (the first five counts) + the size of all other parameters.
    static uint16_t ParOff(uint32_t _32BitParamCount, uint32_t _64BitParamCount, uint32_t PointerParamCount,
                           uint32_t SingleFloatCount, uint32_t DoubleFloatCount,
                           uint32_t SizeOfAllOtherParams);

    // A copy of ParentClass named ClassName (at most 255 UTF-8 bytes: an assertion) whose overrides
    // hold the given operations, with the published methods and new slots after the parent's, an
    // instance size of the larger of the parent's and InstanceSize, and NewFields, when given, as
    // the extra fields of every object built for it. The class lives until the process ends.
    static const TClassRecord* CreateNewClass(const TClassRecord& ParentClass, const std::string& UnitName,
                                              const std::string& ClassName,
                                              const std::vector<TOverrideMethodInfo>& OverrideVirtualMethods,
                                              const std::vector<TPublishedMethod>& PublishedMethods,
                                              const std::vector<TCodePointer>& NewVirtualMethods,
                                              uint32_t InstanceSize,
                                              std::function<std::any()> NewFields = nullptr);

    // Every class generated so far, in order.
    static const std::vector<TAllocatedClassRec*>& ClassList();

    static void ClassInitialize();
    static void ClassFinalize();
};

} // namespace Zarvel
