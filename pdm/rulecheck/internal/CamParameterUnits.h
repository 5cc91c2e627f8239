#pragma once
// The units of CAM parameters, read off sample objects of every catalogue type made in a
// scratch document: what a transfer reads is what the adapter hands out, computed values
// included.

#include "pdm/cam/CamObject.h"

#include <map>
#include <memory>
#include <string_view>

class CZkw32Doc;

namespace zktypes {
class Unit;
}

namespace Vireo::Cam::Pdm::internal {

class CamParameterUnits {
public:
    CamParameterUnits();
    ~CamParameterUnits();
    CamParameterUnits(const CamParameterUnits&) = delete;
    CamParameterUnits& operator=(const CamParameterUnits&) = delete;

    // The unit of the parameter's value on an object of the (specific) type; null when the
    // value is no number with a unit, or no sample of the type could be made.
    const zktypes::Unit* UnitOf(std::wstring_view type, std::wstring_view parameter) const;

private:
    void makeSample(std::wstring_view type, const CamObject& parent);

    std::unique_ptr<CZkw32Doc> document_;
    std::map<std::wstring_view, CamObject> samples_;
};

} // namespace Vireo::Cam::Pdm::internal
