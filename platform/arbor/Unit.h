#pragma once
// A unit of measure: an object of the PDM's units reference. Its GUID is the key the
// host's unit catalogue uses for the same unit.

#include "platform/arbor/SystemGuid.h"

#include <string>

namespace Vireo::Arbor::Model {

class Unit {
public:
    Unit(System::Guid guid, std::wstring name, std::wstring shortName)
        : guid_(guid), name_(std::move(name)), shortName_(std::move(shortName))
    {
    }

    const System::Guid& Guid() const { return guid_; }
    const std::wstring& Name() const { return name_; }
    const std::wstring& ShortName() const { return shortName_; }

private:
    System::Guid guid_;
    std::wstring name_;
    std::wstring shortName_;
};

namespace References::Units {
using Unit = Model::Unit;
}

} // namespace Vireo::Arbor::Model
