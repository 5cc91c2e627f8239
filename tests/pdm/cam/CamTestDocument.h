#pragma once
// A CAM document for the adapter's tests, with objects made through the catalogue.

#include "pdm/cam/CamObjectManager.h"

#include "platform/cam/Model.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace Vireo::Cam::Pdm::Testing {

class CamDocumentTest : public ::testing::Test {
protected:
    // An object of a catalogue type; fails the test when none is made.
    CamObject Make(std::wstring_view type, const CamObject& parent = CamObject())
    {
        CamObject made = CamObjectManager::MakeCamObject(&doc, type, parent);
        EXPECT_FALSE(CamObjectManager::IsNull(made)) << "no object of type made";
        return made;
    }

    template <class T>
    static T& As(const CamObject& object)
    {
        T* typed = DocumentObjectAs<T>(object);
        if (!typed)
            throw std::logic_error("handle does not hold the expected host class");
        return *typed;
    }

    CZkw32Doc doc;
};

} // namespace Vireo::Cam::Pdm::Testing
