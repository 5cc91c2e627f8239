#pragma once
// The CAM model over a document: the lists of its CAM objects by class.

#include "platform/cam/Fixture.h"
#include "platform/cam/Machining.h"
#include "platform/cam/MachiningGroup.h"
#include "platform/cam/MachiningProject.h"
#include "platform/cam/Part.h"
#include "platform/cam/SharedGeometrySet.h"
#include "platform/cam/Stock.h"
#include "platform/cam/Tool.h"
#include "platform/host/Zkw32Doc.h"

#include <vector>

namespace Vireo::Cam {

// All objects of one class in a document, in id order.
template <class T>
class ModelList {
public:
    explicit ModelList(CZkw32Doc* doc) : doc_(doc) {}

    // A new object of the class in the document; null without a document.
    T* Create() { return doc_ ? doc_->template CreateObject<T>() : nullptr; }
    // Removes the object from the document; false when it is not one of the list.
    bool Remove(T* object)
    {
        return doc_ && object && object->GetDocumentPtr() == doc_ && doc_->RemoveObject(object);
    }
    std::vector<T*> GetAll() const
    {
        std::vector<T*> all;
        if (doc_)
            for (CZKObject* object : doc_->GetObjects())
                if (T* typed = dynamic_cast<T*>(object))
                    all.push_back(typed);
        return all;
    }
    int GetCount() const { return static_cast<int>(GetAll().size()); }
    T* Get(int index) const
    {
        const auto all = GetAll();
        return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)] : nullptr;
    }
    T* operator[](int index) const { return Get(index); }

private:
    CZkw32Doc* doc_;
};

class Model {
public:
    explicit Model(CZkw32Doc* doc) : doc_(doc) {}
    CZkw32Doc* GetDocument() const noexcept { return doc_; }

    ModelList<MachiningProject> GetMachiningProjects() const { return ModelList<MachiningProject>(doc_); }
    ModelList<MachiningGroup> GetMachiningGroups() const { return ModelList<MachiningGroup>(doc_); }
    ModelList<Machining> GetMachinings() const { return ModelList<Machining>(doc_); }
    ModelList<Tool> GetTools() const { return ModelList<Tool>(doc_); }
    ModelList<Stock> GetStocks() const { return ModelList<Stock>(doc_); }
    ModelList<Part> GetParts() const { return ModelList<Part>(doc_); }
    ModelList<Fixture> GetFixtures() const { return ModelList<Fixture>(doc_); }
    ModelList<SharedGeometrySet> GetSharedGeometrySets() const { return ModelList<SharedGeometrySet>(doc_); }
    ModelList<MachineSetup> GetMachineSetups() const { return ModelList<MachineSetup>(doc_); }

private:
    CZkw32Doc* doc_;
};

} // namespace Vireo::Cam
