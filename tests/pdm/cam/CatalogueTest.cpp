// The catalogue held against the host: identifiers the host declares, computed parameters,
// and factories whose objects only their own type accepts.

#include "CamTestDocument.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/internal/ZkuidLiteral.h"

#include "platform/cam/ParameterIds.h"
#include "platform/support/Utf8.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace Vireo::Cam::Pdm::Testing {
namespace {

using namespace Vireo::Cam::Pdm::internal;

using TypeParameter = std::pair<std::wstring, std::wstring>;

bool isDeclaredAs(std::span<const Cam::ParameterDeclaration> declarations, const UniqueIdentifier& id,
                  std::wstring_view name)
{
    const Cam::ParameterDeclaration* declaration = Cam::FindDeclaration(declarations, id);
    return declaration && declaration->name == name;
}

// Tool and machining kinds declare their parameters under the rules' codes; other objects
// must have the parameter.
bool hostDeclares(const CamObject& object, const UniqueIdentifier& id, std::wstring_view name)
{
    if (auto* tool = DocumentObjectAs<Cam::Tool>(object))
        return isDeclaredAs(tool->GetLogic()->GetParameterDeclarations(), id, name);
    if (auto* machining = DocumentObjectAs<Cam::Machining>(object))
        return isDeclaredAs(machining->GetStrategy()->GetParameterDeclarations(), id, name);
    auto* owner = dynamic_cast<Cam::ParametersOwner*>(DocumentObjectOf(object));
    return owner && owner->GetParameters().Contains(id);
}

// A strategy of a kind the catalogue does not know.
class ForeignStrategy final : public Cam::IStrategy {
public:
    const UniqueIdentifier& GetKind() const noexcept override { return description_.kind; }
    const Cam::StrategyDescription& GetDescription() const noexcept override { return description_; }
    std::unique_ptr<Cam::IStrategy> Clone() const override { return std::make_unique<ForeignStrategy>(); }

private:
    Cam::StrategyDescription description_{"0badc0de-0000-4000-8000-000000000001"_zkuid, 99, L"Foreign", {}, {}};
};

std::string text(std::wstring_view wide)
{
    return Support::WideToUtf8(wide);
}

std::set<TypeParameter> computedParameters()
{
    std::set<TypeParameter> computed;
    const auto add = [&computed](std::wstring_view type, std::initializer_list<const wchar_t*> names) {
        for (const wchar_t* name : names)
            computed.emplace(type, name);
    };
    add(L"Part", {L"Weight", L"Material", L"Coating", L"Length", L"Height", L"Width"});
    add(L"Fixture", {L"Length", L"Height", L"Width"});
    add(L"SetGeometry", {L"Length", L"Height", L"Width"});
    for (const wchar_t* stock :
         {L"StockBody", L"StockBlock", L"StockCylindr", L"StockExtrude", L"StockRotation", L"StockSection"})
        add(stock, {L"Material", L"CUM", L"Weight", L"Length", L"Height", L"Width"});
    add(L"StockCylindr", {L"CylinderType"});
    add(L"ToolShank", {L"SD", L"SL", L"ConeType", L"SC", L"SA", L"Lt"});
    add(L"ToolHolder", {L"Name", L"HE"});
    add(L"ToolExtension", {L"Name", L"LE"});
    add(L"ToolItem", {L"Name", L"HD1", L"HD2", L"HL", L"HR"});
    return computed;
}

class CatalogueTest : public CamDocumentTest {
protected:
    // An object of the type under the parent its factory needs.
    CamObject MakeForCheck(std::wstring_view type)
    {
        if (CamObjectManager::GetAppTypeParam(type) == CamConsts::MachiningInfo::MachiningType ||
            type == CamConsts::MachiningGroupInfo::Type)
            return Make(type, Make(CamConsts::MachiningProjectInfo::Type));
        if (CamObjectManager::GetAppTypeParam(type) == CamConsts::StockInfo::StockType ||
            type == CamConsts::PartInfo::Type || type == CamConsts::FixtureInfo::Type)
            return Make(type, Make(CamConsts::MachiningGroupInfo::Type, Make(CamConsts::MachiningProjectInfo::Type)));
        if (type == CamConsts::ToolItemInfo::Type)
            return Make(type, Make(CamConsts::ToolHolderInfo::Type));
        return Make(type);
    }
};

TEST_F(CatalogueTest, TypesAndNamesAreSpelledAsTheRulesWriteThem)
{
    EXPECT_EQ(CamTypes.size(), 55u);
    for (const wchar_t* type : {L"ToolMillSpehere", L"MillCountour", L"TurnCountour", L"StockCylindr",
                                L"ToolCountering", L"ToolTurnGrooveA", L"HoleCountersinking", L"SetGeometry"})
        EXPECT_TRUE(CamTypes.contains(type)) << type;
    const auto& threadMill = CamTypes.at(L"ToolThreadMill").parameters;
    EXPECT_TRUE(threadMill.contains(L"L\u0441"));
    EXPECT_TRUE(threadMill.contains(L"N\u0441"));
    EXPECT_FALSE(threadMill.contains(L"Lc"));
    EXPECT_EQ(CamTypes.at(L"ToolTurnGrooveA").parameters.size(), 23u);
    EXPECT_EQ(CamTypes.at(L"MillCurve").parameters.size(), 12u);

    EXPECT_EQ(GenericCamTypes.at(L"Tool").first.size(), 23u);
    EXPECT_EQ(GenericCamTypes.at(L"Stock").first.size(), 6u);
    EXPECT_EQ(GenericCamTypes.at(L"Machining").first.size(), 17u);
    EXPECT_EQ(ToolShoulders.size(), 18u);
    EXPECT_EQ(ChildCamTypes.size(), 12u);
}

TEST_F(CatalogueTest, QuotedIdentifiersAreTheHostsParameters)
{
    const auto id = [](const wchar_t* type, const wchar_t* name) { return CamTypes.at(type).parameters.at(name); };
    EXPECT_EQ(id(L"ToolTurnCircle", L"Name"), "3feae369-f41f-4010-a410-858c6aecc831"_zkuid);
    EXPECT_EQ(id(L"StockSection", L"Description"), "e0fec3be-e449-4002-8b4f-c228e4152a7d"_zkuid);
    EXPECT_EQ(id(L"MachiningGroup", L"OrderNo"), "0c0cc5dd-5d18-47e1-b75a-4786087bc8f9"_zkuid);
    EXPECT_EQ(id(L"HoleThread", L"Feed"), "1fbab99f-21cd-44f2-b5c8-1f00e79535a4"_zkuid);
    EXPECT_EQ(id(L"MillFace", L"Feed"), "32cb067e-4594-4396-948e-eab60a27a382"_zkuid);
    EXPECT_EQ(id(L"MillFace", L"SpindleSpeed"), "db8c3df0-0643-4226-ae8f-ba59b0be3b5b"_zkuid);
    EXPECT_EQ(id(L"ToolMillEnd", L"D"), "da27ecd9-eeb7-47f5-bc5d-25872fe93d06"_zkuid);
    EXPECT_EQ(id(L"ToolMillEnd", L"Shoulder"), "a19ca520-e11b-4303-b4e3-469d7a76bb36"_zkuid);
    EXPECT_EQ(id(L"MillPlunge", L"PassStep"), "9393541A-8F20-4798-BC35-07FCB5A50036"_zkuid);
    EXPECT_NE(id(L"ToolMillEnd", L"D"), id(L"ToolDrill", L"D"));
    EXPECT_EQ(ToolShoulders.at({L"ToolReamer", L"Lu"}), std::pair(id(L"ToolReamer", L"Shoulder"), true));
}

TEST_F(CatalogueTest, EveryIdentifierIsDeclaredByTheHostAndOnlyComputedOnesAreEmpty)
{
    std::set<TypeParameter> empty;
    for (const auto& [type, descriptor] : CamTypes) {
        const CamObject object = type == CamConsts::SharedGeometrySetInfo::Type
                                     ? CamObject(Cam::Model(&doc).GetSharedGeometrySets().Create())
                                     : MakeForCheck(type);
        for (const auto& [name, id] : descriptor.parameters) {
            if (id.IsEmpty())
                empty.emplace(type, name);
            else
                EXPECT_TRUE(hostDeclares(object, id, name)) << text(type) << " " << text(name);
            EXPECT_TRUE(descriptor.parameterNames.contains(id));
        }
    }
    EXPECT_EQ(empty, computedParameters());
}

TEST_F(CatalogueTest, EachFactoryMakesWhatOnlyItsOwnTypeAccepts)
{
    EXPECT_TRUE(CamObjectManager::IsNull(CamObjectManager::MakeCamObject(&doc, L"SetGeometry", CamObject())));
    for (const auto& [type, descriptor] : CamTypes) {
        if (type == CamConsts::SharedGeometrySetInfo::Type)
            continue;
        const CamObject object = MakeForCheck(type);
        for (const auto& [other, otherDescriptor] : CamTypes)
            EXPECT_EQ(otherDescriptor.predicate(object), other == type)
                << "made " << text(type) << ", tested " << text(other);
        EXPECT_EQ(CamObjectManager(object).GetAppType(), type);
    }
}

TEST_F(CatalogueTest, TurningToolWithoutShapeIsEveryTurningType)
{
    const CamObject tool = Make(L"ToolTurnTriangle");
    std::set<std::wstring_view> accepting;
    for (const auto& [type, descriptor] : CamTypes)
        if (descriptor.predicate(tool))
            accepting.insert(type);
    EXPECT_EQ(accepting, std::set<std::wstring_view>{L"ToolTurnTriangle"});

    As<Cam::Tool>(tool).GetParameters().Remove(HostIds::ToolParams::TurnInsertShape);
    accepting.clear();
    for (const auto& [type, descriptor] : CamTypes)
        if (descriptor.predicate(tool))
            accepting.insert(type);
    EXPECT_EQ(accepting.size(), 6u);
    EXPECT_FALSE(accepting.contains(L"ToolTurnGrooveA"));
    // The first accepting type in the catalogue's order wins, as when every type is asked.
    const auto first = std::find_if(CamTypes.begin(), CamTypes.end(),
                                    [&tool](const auto& entry) { return entry.second.predicate(tool); });
    EXPECT_EQ(CamObjectManager(tool).GetAppType(), first->first);

    As<Cam::Tool>(tool).GetParameters().Add(HostIds::ToolParams::TurnInsertShape,
                                            std::make_unique<Cam::DoubleValue>(3.0));
    EXPECT_FALSE(CamObjectManager::IsCamObject(tool, L""));
}

// Asking for a type by name is answered from the object's candidate entries; the answer must
// be what the named type's predicate, or for a generic name its members', would give.
TEST_F(CatalogueTest, ATypeNameMatchesExactlyWhatItsOwnAndItsMembersPredicatesAccept)
{
    std::vector<CamObject> objects;
    for (const auto& [type, descriptor] : CamTypes)
        if (type != CamConsts::SharedGeometrySetInfo::Type)
            objects.push_back(MakeForCheck(type));
    const CamObject shapeless = Make(L"ToolTurnTriangle"); // accepted by several turning types
    As<Cam::Tool>(shapeless).GetParameters().Remove(HostIds::ToolParams::TurnInsertShape);
    const CamObject foreign = Make(L"HoleDrill", Make(L"MachiningProject"));
    As<Cam::Machining>(foreign).SetStrategy(std::make_unique<ForeignStrategy>());
    objects.insert(objects.end(), {shapeless, foreign, CamObject()});

    std::vector<std::wstring_view> names{L"NoSuchType"};
    for (const auto& entry : CamTypes)
        names.push_back(entry.first);
    for (const auto& entry : GenericCamTypes)
        names.push_back(entry.first);
    const auto accepts = [](std::wstring_view name, const CamObject& object) {
        const auto found = CamTypes.find(name);
        return found != CamTypes.end() && found->second.predicate(object);
    };
    for (const CamObject& object : objects) {
        for (std::wstring_view name : names) {
            bool expected = accepts(name, object);
            if (const auto generic = GenericCamTypes.find(name); generic != GenericCamTypes.end())
                for (std::wstring_view member : generic->second.first)
                    expected = expected || accepts(member, object);
            EXPECT_EQ(CamObjectManager::IsCamObject(object, name), expected)
                << "object of type " << text(CamObjectManager(object).GetAppType()) << ", asked " << text(name);
        }
    }
}

TEST_F(CatalogueTest, ObjectsOfNoKnownKindMatchNothing)
{
    CamObject machining = Make(L"HoleDrill", Make(L"MachiningProject"));
    As<Cam::Machining>(machining).SetStrategy(std::make_unique<ForeignStrategy>());
    EXPECT_EQ(CamObjectManager(machining).GetAppType(), L"");
    EXPECT_FALSE(CamObjectManager::IsCamObject(machining, L"Machining"));

    CamObject stock = Make(L"StockCylindr", Make(L"MachiningProject"));
    As<Cam::Stock>(stock).GetBoundingBodyProp().GetParameters().SetType(7);
    EXPECT_FALSE(CamObjectManager::IsCamObject(stock, L""));

    CZKObject* material = doc.Cont3DData().GetMaterials().Add(std::make_unique<DocumentMaterial>(&doc));
    EXPECT_FALSE(CamObjectManager::IsCamObject(CamObject(material), L""));
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
