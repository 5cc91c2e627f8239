#pragma once
// The host's units of measure: physical quantities, units with their conversions, and the
// catalogue of all units, keyed by the PDM unit GUIDs and by a stable index.

#include "platform/zktypes/UniqueIdentifier.h"

#include <string>
#include <string_view>
#include <deque>

namespace zktypes {

namespace ZKUnits {
// Host unit codes. Millimetre is 2; the host's mass unit (kilogram) is 20.
enum ZKUnitsEnum : int {
    None = 0,
    Millimeter = 2,
    Centimeter = 3,
    Meter = 4,
    Inch = 5,
    Degree = 10,
    Radian = 11,
    Gram = 19,
    Kilogram = 20,
    MillimeterPerMinute = 30,
    RevolutionPerMinute = 40,
};
} // namespace ZKUnits
using ZKUnitsEnum = ZKUnits::ZKUnitsEnum;

// A unit's identifier: the GUID of the matching PDM unit.
class UniqueID {
public:
    UniqueID() = default;
    constexpr explicit UniqueID(const UniqueIdentifier& value) : value_(value) {}
    // Reads GUID text; throws std::invalid_argument naming the text when it is malformed.
    explicit UniqueID(std::wstring_view text);

    const UniqueIdentifier& Value() const noexcept { return value_; }
    std::wstring ToString() const { return value_.ToString(); }
    friend bool operator==(const UniqueID& a, const UniqueID& b) noexcept { return a.value_ == b.value_; }

private:
    UniqueIdentifier value_;
};

// A physical quantity. Units are of the same quantity exactly when their UnitType objects
// are the same object.
class UnitType {
public:
    UnitType(std::wstring name) : name_(std::move(name)) {}
    UnitType(const UnitType&) = delete;
    UnitType& operator=(const UnitType&) = delete;
    const std::wstring& GetName() const noexcept { return name_; }

private:
    std::wstring name_;
};

class Unit {
public:
    // `factor` is the size of this unit in the quantity's base unit.
    Unit(ZKUnitsEnum code, const UniqueIdentifier& id, std::wstring shortName, std::wstring name,
         const UnitType& type, double factor);
    Unit(const Unit&) = delete;
    Unit& operator=(const Unit&) = delete;

    ZKUnitsEnum GetCode() const noexcept { return code_; }
    const UniqueID& GetId() const noexcept { return id_; }
    const std::wstring& GetShortName() const noexcept { return shortName_; }
    const std::wstring& GetName() const noexcept { return name_; }
    const UnitType* GetUnitType() const noexcept { return type_; }

    // The value in the target unit; unchanged when the target is unknown or of another quantity.
    double ConvertTo(ZKUnitsEnum target, double value) const;
    double ConvertTo(const Unit& target, double value) const;
    // The value in `to`; unchanged when either unit is absent or they measure different quantities.
    static double Convert(const Unit* from, const Unit* to, double value);

private:
    ZKUnitsEnum code_;
    UniqueID id_;
    std::wstring shortName_;
    std::wstring name_;
    const UnitType* type_;
    double factor_;
};

// The catalogue of every unit the host knows. Indexes are stable: they are stored in documents.
class Units {
public:
    static const Units& Instance();

    int GetCount() const noexcept { return static_cast<int>(units_.size()); }
    // The unit at an index, or null when the index is out of range (-1 is "no unit").
    const Unit* GetUnit(int index) const noexcept;
    // The index of a unit of this catalogue, -1 for null or a foreign unit.
    int GetIndexFor(const Unit* unit) const noexcept;
    int GetIndexFor(ZKUnitsEnum code) const noexcept;
    const Unit* GetUnitByCode(ZKUnitsEnum code) const noexcept;
    // The unit with this PDM unit GUID, or null.
    const Unit* GetStaticUnit(const UniqueID& id) const noexcept;
    const Unit* FindByShortName(std::wstring_view shortName) const noexcept;

    const UnitType& Length() const noexcept { return length_; }
    const UnitType& Angle() const noexcept { return angle_; }
    const UnitType& Mass() const noexcept { return mass_; }
    const UnitType& Feed() const noexcept { return feed_; }
    const UnitType& RotationSpeed() const noexcept { return rotation_; }

private:
    Units();
    Units(const Units&) = delete;
    Units& operator=(const Units&) = delete;

    UnitType length_{L"Length"};
    UnitType angle_{L"Angle"};
    UnitType mass_{L"Mass"};
    UnitType feed_{L"Feed"};
    UnitType rotation_{L"Rotation speed"};
    std::deque<Unit> units_;
};

} // namespace zktypes

namespace ZKUnits = zktypes::ZKUnits;
using ZKUnitsEnum = zktypes::ZKUnitsEnum;
