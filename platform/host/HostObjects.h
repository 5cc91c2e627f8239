#pragma once
// Host objects of the 3D model that are not CAM objects.

#include "platform/host/ZKObject.h"

class CZKSolid final : public CZKObject {
public:
    using CZKObject::CZKObject;
    int GetObjType() const override;
    std::wstring_view GetClassTag() const override { return L"Solid"; }
};

class CZKWorkplane final : public CZKObject {
public:
    using CZKObject::CZKObject;
    int GetObjType() const override;
    std::wstring_view GetClassTag() const override { return L"Workplane"; }
};
