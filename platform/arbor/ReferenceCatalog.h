#pragma once
// The references of a connection.

#include "platform/arbor/Collection.h"
#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SystemGuid.h"

#include <string_view>

namespace Vireo::Arbor::Model {

class Schema;

class ReferenceCatalog {
public:
    explicit ReferenceCatalog(std::shared_ptr<Schema> schema) : schema_(std::move(schema)) {}

    std::shared_ptr<ReferenceInfo> Find(const System::Guid& guid) const;
    std::shared_ptr<ReferenceInfo> Find(int id) const;
    // By GUID text (with or without braces) or by name; null when none.
    std::shared_ptr<ReferenceInfo> Find(std::wstring_view text) const;
    std::shared_ptr<ReferenceInfo> Find(const wchar_t* text) const { return Find(std::wstring_view(text)); }
    // In catalogue order (the order of the seed file).
    Collection<ReferenceInfo> GetReferences() const;

private:
    std::shared_ptr<Schema> schema_;
};

} // namespace Vireo::Arbor::Model
