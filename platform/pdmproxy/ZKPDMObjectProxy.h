#pragma once
// An object of a PDM reference, as the host's PDM proxy hands it out.

#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SystemGuid.h"

class ZKPDMObjectProxy {
public:
    explicit ZKPDMObjectProxy(std::shared_ptr<Vireo::Arbor::Model::ReferenceObject> object)
        : object_(std::move(object))
    {
    }

    // Usable with the PDM model's Reference::Find.
    System::Guid GetGuid() const;

private:
    std::shared_ptr<Vireo::Arbor::Model::ReferenceObject> object_;
};
