#pragma once
// The words in which integration rules speak of CAM objects: type names and the short
// parameter codes of each kind of object. Groups that share codes inherit them from the
// small blocks at the top, so that every group still answers to every code it knows
// (CamConsts::CylindricalMillInfo::Diameter is "D").

#include <string_view>

namespace Vireo::Cam::Pdm::CamConsts {

using Text = std::wstring_view;

struct IntegrationInfo {
    // The application code under which this module's rule objects are stored in the PDM.
    static constexpr Text AppCode = L"VIREO CAM";
};

struct AnyObjectInfo {
    static constexpr Text Type = L"AnyObject";
    static constexpr Text Name = L"Name";
};

// ---- blocks shared by several groups ---------------------------------------------------

struct DescribedInfo {
    static constexpr Text Description = L"Description";
};

struct OrderedInfo {
    static constexpr Text OrderNo = L"OrderNo";
};

struct MeasuredInfo {
    static constexpr Text Length = L"Length";
    static constexpr Text Height = L"Height";
    static constexpr Text Width = L"Width";
};

struct CutterBodyInfo {
    static constexpr Text Diameter = L"D";
    static constexpr Text CutLength = L"Lw";
    static constexpr Text Length = L"L";
};

struct TeethInfo {
    static constexpr Text TeethNumber = L"Z";
};

// The shoulder switch and the lengths that exist only while it is on.
struct ShoulderInfo {
    static constexpr Text Shoulder = L"Shoulder";
    static constexpr Text ShoulderDiameter = L"Ds";
    static constexpr Text NeckLength = L"Ln";
    static constexpr Text LengthMode = L"LengthMode";
    static constexpr Text UsefulLength = L"Lu";
};

// Insert and holder codes common to every turning and grooving cutter.
struct TurningCutterBaseInfo {
    static constexpr Text PlateType = L"PlateType";
    static constexpr Text ToolSide = L"ToolSide";
    static constexpr Text Direction = L"Direction";
    static constexpr Text ClearanceAngle = L"C";
    static constexpr Text InsertThickness = L"S";
    static constexpr Text HolderType = L"HT";
    static constexpr Text HolderLength = L"L";
    static constexpr Text HolderWidth = L"W";
    static constexpr Text HeadLength = L"HL";
    static constexpr Text HeadWidth = L"HW";
    static constexpr Text HolderHeight = L"HD";
    static constexpr Text ShankSize = L"HS";
};

struct TurningInsertInfo : TurningCutterBaseInfo {
    static constexpr Text InsertShape = L"Shape";
    static constexpr Text CutEdgeOffset = L"E";
    static constexpr Text FrontAngle = L"F";
    static constexpr Text CornerRadius = L"R";
};

// ---- generic families and containers ---------------------------------------------------

struct ToolInfo {
    static constexpr Text Type = L"Tool";
    static constexpr Text ToolType = L"ToolType";
    static constexpr Text ToolKind = L"ToolKind";
};

struct MachiningInfo : DescribedInfo, OrderedInfo {
    static constexpr Text Type = L"Machining";
    static constexpr Text MachiningType = L"MachiningType";
    static constexpr Text FeedRate = L"Feed";
    static constexpr Text SpindleSpeed = L"SpindleSpeed";
};

struct StockInfo : DescribedInfo, MeasuredInfo {
    static constexpr Text Type = L"Stock";
    static constexpr Text StockType = L"StockType";
    static constexpr Text Material = L"Material";
    static constexpr Text UtilizationRate = L"CUM";
    static constexpr Text Weight = L"Weight";
};

struct MachiningProjectInfo : DescribedInfo {
    static constexpr Text Type = L"MachiningProject";
};

struct MachiningGroupInfo : DescribedInfo, OrderedInfo {
    static constexpr Text Type = L"MachiningGroup";
};

struct PartInfo : DescribedInfo, MeasuredInfo {
    static constexpr Text Type = L"Part";
    static constexpr Text Weight = L"Weight";
    static constexpr Text Material = L"Material";
    static constexpr Text Coating = L"Coating";
};

struct FixtureInfo : DescribedInfo, MeasuredInfo {
    static constexpr Text Type = L"Fixture";
};

struct SharedGeometrySetInfo : DescribedInfo, MeasuredInfo {
    static constexpr Text Type = L"SetGeometry";
};

struct ToolShankInfo {
    static constexpr Text Type = L"ToolShank";
    static constexpr Text Diameter = L"SD";
    static constexpr Text Length = L"SL";
    static constexpr Text ConeType = L"ConeType";
    static constexpr Text ConeLength = L"SC";
    static constexpr Text ConeAngle = L"SA";
    static constexpr Text CommonLength = L"Lt";
};

struct ToolHolderInfo {
    static constexpr Text Type = L"ToolHolder";
    static constexpr Text CommonLength = L"HE";
};

struct ToolExtensionInfo {
    static constexpr Text Type = L"ToolExtension";
    static constexpr Text CommonLength = L"LE";
};

struct ToolItemInfo {
    static constexpr Text Type = L"ToolItem";
    static constexpr Text BottomDiameter = L"HD1";
    static constexpr Text TopDiameter = L"HD2";
    static constexpr Text Length = L"HL";
    static constexpr Text RoundingRadius = L"HR";
};

struct MachiningProjectsFolderInfo {
    static constexpr Text Type = L"MachiningProjectsFolder";
};

struct SharedGeometrySetsFolderInfo {
    static constexpr Text Type = L"SharedGeometrySetsFolder";
};

struct ToolsFolderInfo {
    static constexpr Text Type = L"ToolsFolder";
};

struct MachineSetupsFolderInfo {
    static constexpr Text Type = L"MachineSetupsFolder";
};

// ---- tool kinds -------------------------------------------------------------------------

struct CylindricalMillInfo : CutterBodyInfo, ShoulderInfo, TeethInfo {
    static constexpr Text Type = L"ToolMillEnd";
};

struct SphericalMillInfo : CutterBodyInfo, ShoulderInfo, TeethInfo {
    static constexpr Text Type = L"ToolMillSpehere";
};

struct ChamferMillInfo : CutterBodyInfo, ShoulderInfo, TeethInfo {
    static constexpr Text Type = L"ToolMillTaper";
    static constexpr Text TipWidth = L"W";
    static constexpr Text CornerRadius = L"R";
    static constexpr Text ChamferAngle = L"A";
};

struct BullnoseMillInfo : CutterBodyInfo, ShoulderInfo, TeethInfo {
    static constexpr Text Type = L"ToolMillRadius";
    static constexpr Text CornerRadius = L"R";
};

struct ConvexTipMillInfo : CutterBodyInfo {
    static constexpr Text Type = L"ToolMillConvex";
    static constexpr Text CornerRadius = L"CR";
    static constexpr Text TipRadius = L"TR";
    static constexpr Text FlankRadius = L"FR";
};

struct DoveMillInfo : CutterBodyInfo, TeethInfo {
    static constexpr Text Type = L"ToolMillDove";
    static constexpr Text CornerRadius = L"R";
    static constexpr Text DoveAngle = L"A";
    static constexpr Text NeckDiameter = L"Ds";
    static constexpr Text FlankDiameter = L"Df";
};

struct LollipopMillInfo : CutterBodyInfo, TeethInfo {
    static constexpr Text Type = L"ToolMillLollipop";
    static constexpr Text NeckDiameter = L"Ds";
};

struct SlotMillInfo : CutterBodyInfo, TeethInfo {
    static constexpr Text Type = L"ToolMillSlot";
    static constexpr Text NeckDiameter = L"Ds";
    static constexpr Text CornerType = L"CornerType";
    static constexpr Text LowerCornerRadius = L"R1";
    static constexpr Text UpperCornerRadius = L"R2";
    static constexpr Text LowerChamferWidth = L"B1";
    static constexpr Text LowerChamferHeight = L"C1";
    static constexpr Text UpperChamferWidth = L"B2";
    static constexpr Text UpperChamferHeight = L"C2";
};

struct BarrelMillInfo : CutterBodyInfo {
    static constexpr Text Type = L"ToolMillBarrel";
    static constexpr Text TipDiameter = L"SD";
    static constexpr Text BarrelRadius = L"CR";
};

struct ThreadMillInfo : CutterBodyInfo, TeethInfo {
    static constexpr Text Type = L"ToolThreadMill";
    static constexpr Text ThreadType = L"Type";
    static constexpr Text ThreadAngle = L"A";
    static constexpr Text NeckDiameter = L"Ds";
    static constexpr Text FlankDiameter = L"Df";
    static constexpr Text Pitch = L"P";
    static constexpr Text ThreadsPerInch = L"TPI";
    static constexpr Text IsPitch = L"IsPitch";
    static constexpr Text MinPitch = L"Pmin";
    static constexpr Text MaxPitch = L"Pmax";
    static constexpr Text MinThreadsPerInch = L"TPImin";
    static constexpr Text MaxThreadsPerInch = L"TPImax";
    static constexpr Text SinglePitchMode = L"SinglePitchMode";
    static constexpr Text MultiPitchMode = L"MultiPitchMode";
    static constexpr Text CutMode = L"CutMode";
    // The second letter of these two codes is the Cyrillic small es (U+0441).
    static constexpr Text CuttingLength = L"L\u0441";
    static constexpr Text CuttingRowsNumber = L"N\u0441";
};

struct TwistDrillInfo : CutterBodyInfo, ShoulderInfo, TeethInfo {
    static constexpr Text Type = L"ToolDrill";
    static constexpr Text PointAngle = L"A";
};

struct CentreDrillInfo : CutterBodyInfo, TeethInfo {
    static constexpr Text Type = L"ToolCentreDrill";
    static constexpr Text ShankDiameter = L"B";
    static constexpr Text CountersinkDiameter = L"Da";
    static constexpr Text CountersinkLength = L"La";
    static constexpr Text CountersinkAngle = L"A";
};

struct CountersinkInfo : CutterBodyInfo, TeethInfo {
    static constexpr Text Type = L"ToolCountersink";
    static constexpr Text CountersinkAngle = L"A";
    static constexpr Text TipDiameter = L"Df";
};

struct ReamerInfo : CutterBodyInfo, ShoulderInfo, TeethInfo {
    static constexpr Text Type = L"ToolReamer";
    static constexpr Text LeadAngle = L"A";
    static constexpr Text LeadLength = L"La";
};

struct CounterboreInfo : CutterBodyInfo, TeethInfo {
    static constexpr Text Type = L"ToolCountering";
    static constexpr Text CornerRadius = L"R";
    static constexpr Text PilotDiameter = L"Da";
    static constexpr Text PilotLength = L"La";
    static constexpr Text ChamferHeight = L"C";
};

struct TapInfo : CutterBodyInfo, TeethInfo {
    static constexpr Text Type = L"ToolTap";
    static constexpr Text Direction = L"Direction";
    static constexpr Text ShankDiameter = L"Ds";
    static constexpr Text Pitch = L"P";
    static constexpr Text LeadAngle = L"A";
    static constexpr Text LeadLength = L"La";
    static constexpr Text ThreadLength = L"Lb";
    static constexpr Text SquareSize = L"B";
    static constexpr Text Standard = L"Standard";
    static constexpr Text ToleranceClass = L"K";
};

struct TwoEdgeTurningCutterInfo : TurningCutterBaseInfo {
    static constexpr Text Type = L"ToolTurnTwoEdge";
    static constexpr Text EdgeLength = L"A";
    static constexpr Text SecondEdgeLength = L"Y";
    static constexpr Text InsertWidth = L"B";
    static constexpr Text EdgeAngle = L"Aa";
    static constexpr Text SecondEdgeAngle = L"Ay";
    static constexpr Text CornerRadius = L"R";
    static constexpr Text CutEdgeOffset = L"E";
};

struct RomboidTurningCutterInfo : TurningInsertInfo {
    static constexpr Text Type = L"ToolTurnDiamond";
    static constexpr Text InscribedDiameter = L"D";
    static constexpr Text InsertAngle = L"B";
    static constexpr Text EdgeLength = L"Lc";
};

struct ParallelogramTurningCutterInfo : TurningInsertInfo {
    static constexpr Text Type = L"ToolTurnParallelogram";
    static constexpr Text LongEdgeLength = L"La";
    static constexpr Text ShortEdgeLength = L"Lb";
    static constexpr Text InsertAngle = L"B";
};

struct PolygonalTurningCutterInfo : TurningInsertInfo {
    static constexpr Text Type = L"ToolTurnPolygonal";
    static constexpr Text InscribedDiameter = L"D";
    static constexpr Text EdgeLength = L"Lc";
    static constexpr Text WedgeAngle = L"WA";
};

struct CircleTurningCutterInfo : TurningCutterBaseInfo {
    static constexpr Text Type = L"ToolTurnCircle";
    static constexpr Text InsertDiameter = L"D";
    static constexpr Text InsertHeight = L"t";
    static constexpr Text FrontAngle = L"F";
    static constexpr Text CutEdgeOffset = L"E";
};

struct TriangleTurningCutterInfo : TurningInsertInfo {
    static constexpr Text Type = L"ToolTurnTriangle";
    static constexpr Text InscribedDiameter = L"D";
    static constexpr Text InsertAngle = L"B";
};

struct ParallelogramGrooveCutterInfo : TurningCutterBaseInfo {
    static constexpr Text Type = L"ToolTurnGrooveA";
    static constexpr Text InsertLength = L"La";
    static constexpr Text CuttingWidth = L"Lb";
    static constexpr Text SideAngle = L"A";
    static constexpr Text LeftEdgeWidth = L"B1";
    static constexpr Text RightEdgeWidth = L"B2";
    static constexpr Text FrontAngle = L"F";
    static constexpr Text RadiusType = L"RadiusType";
    static constexpr Text LeftCornerRadius = L"R1";
    static constexpr Text RightCornerRadius = L"R2";
    static constexpr Text WedgeAngle = L"WA";
};

// ---- machining kinds --------------------------------------------------------------------

// Allowances and steps of the strategies; each machining kind knows a subset of them.
struct MachiningStepsInfo : MachiningInfo {
    static constexpr Text PartAllowance = L"PartAllowance";
    static constexpr Text Offset = L"Offset";
    static constexpr Text AxialOffset = L"AxialOffset";
    static constexpr Text RadialOffset = L"RadialOffset";
    static constexpr Text Depth = L"Depth";
    static constexpr Text LayerNumber = L"LayerNumber";
    static constexpr Text DepthStep = L"DepthStep";
    static constexpr Text PassStep = L"PassStep";
};

struct RoughMillingMachiningInfo : MachiningStepsInfo {
    static constexpr Text Type = L"MillLayers";
};

struct TwoAxisProfileMillingMachiningInfo : MachiningStepsInfo {
    static constexpr Text Type = L"MillCountour";
};

struct ConstantCuspMillingMachiningInfo : MachiningStepsInfo {
    static constexpr Text Type = L"MillSurface";
};

struct PlanesMillingMachiningInfo : MachiningStepsInfo {
    static constexpr Text Type = L"MillFace";
};

struct PlungeMillingMachiningInfo : MachiningStepsInfo {
    static constexpr Text Type = L"MillPlunge";
};

struct ThreeAxisProfileMillingMachiningInfo : MachiningStepsInfo {
    static constexpr Text Type = L"MillCurve";
};

struct RoughTurningMachiningInfo : MachiningStepsInfo {
    static constexpr Text Type = L"TurnLayers";
};

struct FaceTurningMachiningInfo : MachiningStepsInfo {
    static constexpr Text Type = L"TurnFace";
};

struct ContourTurningMachiningInfo : MachiningStepsInfo {
    static constexpr Text Type = L"TurnCountour";
};

struct CutOffTurningMachiningInfo : MachiningStepsInfo {
    static constexpr Text Type = L"TurnCutOff";
};

struct GrooveTurningMachiningInfo : MachiningStepsInfo {
    static constexpr Text Type = L"TurnGroove";
};

struct HoleDrillingMachiningInfo : MachiningInfo {
    static constexpr Text Type = L"HoleDrill";
};

struct CentreDrillingMachiningInfo : MachiningInfo {
    static constexpr Text Type = L"HoleCenter";
};

struct CountersinkingMachiningInfo : MachiningInfo {
    static constexpr Text Type = L"HoleCountersinking";
};

struct ReamingMachiningInfo : MachiningInfo {
    static constexpr Text Type = L"HoleReam";
};

struct CounterboringMachiningInfo : MachiningInfo {
    static constexpr Text Type = L"HoleCounter";
};

struct TappingMachiningInfo : MachiningInfo {
    static constexpr Text Type = L"HoleThread";
};

// ---- stock kinds ------------------------------------------------------------------------

struct BodyStockInfo : StockInfo {
    static constexpr Text Type = L"StockBody";
};

struct BlockStockInfo : StockInfo {
    static constexpr Text Type = L"StockBlock";
};

struct CylinderStocknfo : StockInfo {
    static constexpr Text Type = L"StockCylindr";
    static constexpr Text CylinderType = L"CylinderType";
};

struct ProfileExtrusionStockInfo : StockInfo {
    static constexpr Text Type = L"StockExtrude";
};

struct ContourRotationStockInfo : StockInfo {
    static constexpr Text Type = L"StockRotation";
};

struct CutRotationStockInfo : StockInfo {
    static constexpr Text Type = L"StockSection";
};

} // namespace Vireo::Cam::Pdm::CamConsts
