#pragma once
// A stock: the blank a machining starts from. Its host stock type says how its shape is
// given (0 a body, 1 a bounding block or cylinder, 2 an extrusion, 3 a rotation, 4 a section).

#include "platform/cam/Measurer.h"
#include "platform/cam/ModelObject.h"
#include "platform/host/Materials.h"
#include "platform/zktypes/RealParameter.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Vireo::Cam {

namespace StockTypes {
inline constexpr int Body = 0;
inline constexpr int Bounding = 1;
inline constexpr int Extrusion = 2;
inline constexpr int Rotation = 3;
inline constexpr int Section = 4;
} // namespace StockTypes

// Bounding shapes of a stock of host stock type 1.
namespace BoundingShapes {
inline constexpr std::uint8_t Block = 0;
inline constexpr std::uint8_t Cylinder = 1;
} // namespace BoundingShapes

// Dimensions: 0 length, 1 width, 2 height, 3 diameter.
class StockDimensionProp {
public:
    StockDimensionProp();
    // The dimension, or zero millimetres for an index outside 0..3.
    zkaux::RealParameter GetDimension(int index) const noexcept;
    bool SetDimension(int index, const zkaux::RealParameter& value);

private:
    friend class Stock;
    std::array<zkaux::RealParameter, 4> dimensions_;
};

class BaseBoundingParameters {
public:
    std::uint8_t GetType() const noexcept { return shape_; }
    void SetType(std::uint8_t shape) noexcept { shape_ = shape; }

private:
    std::uint8_t shape_ = BoundingShapes::Block;
};

class BoundingBodyStockProp {
public:
    BaseBoundingParameters& GetParameters() noexcept { return parameters_; }
    const BaseBoundingParameters& GetParameters() const noexcept { return parameters_; }
    // How a cylinder's wall is given (0 full, 1 tube ...).
    int GetThicknessType() const noexcept { return thicknessType_; }
    void SetThicknessType(int type) noexcept { thicknessType_ = type; }

private:
    friend class Stock;
    BaseBoundingParameters parameters_;
    int thicknessType_ = 0;
};

// Material utilisation: the stock's material, its mass and the share of it that ends up in
// the parts.
class MaterialUtilStockProp {
public:
    explicit MaterialUtilStockProp(const CZKObject& stock) : stock_(stock) {}
    MaterialUtilStockProp(const MaterialUtilStockProp&) = delete;
    MaterialUtilStockProp& operator=(const MaterialUtilStockProp&) = delete;

    bool GetMaterialUtilState() const noexcept { return utilState_; }
    void SetMaterialUtilState(bool on)
    {
        stock_.NoteChange();
        utilState_ = on;
    }

    // The document material set on the stock, or null.
    const Material3DBase* GetMaterial() const;
    // The material the calculations use: the stock's material while utilisation is on.
    const Material3DBase* GetFinalMaterial() const;
    // Sets the document material of that name; false when the document has none.
    bool SetMaterial(CZkw32Doc* doc, std::wstring_view name, int libraryIndex = -1);
    bool IsGenericMaterialDerived() const noexcept { return genericDerived_; }
    void SetGenericMaterialDerived(bool derived)
    {
        stock_.NoteChange();
        genericDerived_ = derived;
    }

    bool IsMassDefault() const noexcept { return massDefault_; }
    void SetMassDefault(bool isDefault)
    {
        stock_.NoteChange();
        massDefault_ = isDefault;
    }
    // The mass entered for the stock.
    const zkaux::RealParameter& GetMass() const noexcept { return mass_; }
    // Enters a mass; `keepUnit` false stores it in kilograms.
    void SetMass(const zkaux::RealParameter& mass, bool keepUnit = true);

    // Mass in kilograms of the objects (stocks and parts) made of the material.
    zkaux::RealParameter CalculateMass(const std::vector<CZKObject*>& objects, const Material3DBase* material) const;
    // Part mass over stock mass (0 when the stock mass is 0).
    double CalculateMaterialUtil(const zkaux::RealParameter& partMass, const zkaux::RealParameter& stockMass) const;

    // The parts chosen for the utilisation, used while the choice is visible.
    bool IsPartSelectVisible() const noexcept { return partSelectVisible_; }
    void SetPartSelectVisible(bool visible)
    {
        stock_.NoteChange();
        partSelectVisible_ = visible;
    }
    std::vector<CZKObject*> GetObjects(bool includeHidden = false) const;
    void SetObjects(const std::vector<CZKObject*>& objects);

private:
    friend class Stock;
    const CZKObject& stock_;
    bool utilState_ = false;
    ZKObjectID material_;
    bool genericDerived_ = true;
    bool massDefault_ = true;
    zkaux::RealParameter mass_ = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Kilogram);
    bool partSelectVisible_ = false;
    std::vector<ZKObjectID> objects_;
};

class Stock final : public ModelObject {
public:
    explicit Stock(CZkw32Doc* doc);

    int GetObjType() const override;
    unsigned GetIconID() const override;
    std::wstring_view GetClassTag() const override { return L"Stock"; }

    int GetStockType() const noexcept { return stockType_; }
    // Changes the host stock type (0..4); false for another number.
    bool ChangeStockType(int type);

    // The shape and dimension parts are changed through the references handed out here.
    BoundingBodyStockProp& GetBoundingBodyProp()
    {
        NoteChange();
        return bounding_;
    }
    const BoundingBodyStockProp& GetBoundingBodyProp() const noexcept { return bounding_; }
    StockDimensionProp& GetDimensionProp()
    {
        NoteChange();
        return dimensions_;
    }
    const StockDimensionProp& GetDimensionProp() const noexcept { return dimensions_; }
    MaterialUtilStockProp& GetMaterialUtilProp() noexcept { return materialUtil_; }
    const MaterialUtilStockProp& GetMaterialUtilProp() const noexcept { return materialUtil_; }

    // The objects the stock is made for (the parts it is measured against).
    std::vector<CZKObject*> GetReferencedObjects() const;
    void SetReferencedObjects(const std::vector<CZKObject*>& objects);

    // Volume in mm³: a cylinder for a cylindrical bounding stock, otherwise the box of the
    // length, width and height.
    double GetVolume() const;
    ObjectMeasurer Measurer() const;

    void SaveState(Vireo::Host::TextNode& node) const override;
    void LoadState(const Vireo::Host::TextNode& node) override;

private:
    int stockType_ = StockTypes::Body;
    BoundingBodyStockProp bounding_;
    StockDimensionProp dimensions_;
    MaterialUtilStockProp materialUtil_;
    std::vector<ZKObjectID> referenced_;
};

} // namespace Vireo::Cam
