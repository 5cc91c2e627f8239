#!/usr/bin/env python3
"""Writes the machining-technology seed files of data/pdm from one description.

    python3 data/pdm/tools/generate_technology.py

writes technology.xml (units, materials and the technology reference), technology-rules.xml
(the integration rules of the technology reference for "VIREO CAM") and
technology-project.xml (a sample machining project). The output is committed; nothing in
the build runs this script. GUIDs are derived from names, so a rerun changes only what the
description changes. The tool kinds' value kinds and units are read from the host's tool
catalogue (platform/cam/ToolLogicCatalogue.cpp) so that a PDM length is never mapped onto
a CAM integer.
"""

import math
import pathlib
import re
import uuid
from xml.sax.saxutils import escape

ROOT = pathlib.Path(__file__).resolve().parents[3]
OUT = ROOT / "data" / "pdm"
NAMESPACE = uuid.UUID("5e0c3a8e-2f7b-4c8e-9a51-7d3f0b6c1e42")


def guid(*names):
    return str(uuid.uuid5(NAMESPACE, "/".join(names)))


# ---- units (the keys of the host's unit catalogue) -------------------------------------
MM = "943b0af6-a143-43cd-9141-aba99d861405"
METRE = "acf9467a-86ac-4aac-bfcf-f9bbf311a761"
RADIAN = "928092cb-1742-49dd-adf8-353d3e55784c"
KILOGRAM = "565f065b-665d-4404-8957-34bbae787496"
MM_PER_MIN = "305f9040-cec0-4d7f-ba6e-ee6faf3e19ad"
RPM = "3bb1dc1c-43f9-466d-a672-84fe50b27572"

# Value kinds: PDM type and unit. The PDM keeps lengths in metres and angles in radians,
# the CAM side millimetres and degrees.
KINDS = {
    "text": ("text", None),
    "int": ("int", None),
    "bool": ("bool", None),
    "length": ("double", METRE),
    "angle": ("double", RADIAN),
    "number": ("double", None),
    "mass": ("double", KILOGRAM),
    "feed": ("double", MM_PER_MIN),
    "speed": ("double", RPM),
}

APP_CODE = "VIREO CAM"
PARAMETER_ROW = "Параметр объекта"

# ---- the CAM types and their parameter names -------------------------------------------
MILL_SHOULDERED = ["Name", "D", "Lw", "L", "Shoulder", "Ds", "Ln", "LengthMode", "Lu", "Z"]
TURN_COMMON_TAIL = ["S", "HT", "L", "W", "E", "HL", "HW", "HD", "HS"]
TOOL_TYPES = {
    "ToolMillEnd": ("End mill", MILL_SHOULDERED),
    "ToolMillSpehere": ("Ball end mill", MILL_SHOULDERED),
    "ToolMillTaper": ("Taper mill", ["Name", "W", "D", "Lw", "L", "R", "A", "Shoulder", "Ds", "Ln", "LengthMode", "Lu", "Z"]),
    "ToolMillRadius": ("Bull-nose mill", ["Name", "D", "Lw", "L", "R", "Shoulder", "Ds", "Ln", "LengthMode", "Lu", "Z"]),
    "ToolMillConvex": ("Convex tip mill", ["Name", "D", "Lw", "L", "CR", "TR", "FR"]),
    "ToolMillDove": ("Dovetail mill", ["Name", "D", "Lw", "L", "R", "A", "Ds", "Df", "Z"]),
    "ToolMillLollipop": ("Lollipop mill", ["Name", "D", "Lw", "Ds", "L", "Z"]),
    "ToolMillSlot": ("Slot mill", ["Name", "D", "Ds", "Lw", "L", "CornerType", "R1", "R2", "B1", "C1", "B2", "C2", "Z"]),
    "ToolMillBarrel": ("Barrel mill", ["Name", "D", "SD", "Lw", "L", "CR"]),
    "ToolThreadMill": ("Thread mill", ["Name", "D", "Lw", "L", "Type", "A", "Ds", "Df", "P", "TPI", "IsPitch", "Pmin", "Pmax",
                                       "TPImin", "TPImax", "SinglePitchMode", "MultiPitchMode", "CutMode", "Lс", "Nс", "Z"]),
    "ToolDrill": ("Twist drill", ["Name", "D", "Lw", "L", "A", "Shoulder", "Ds", "Ln", "LengthMode", "Lu", "Z"]),
    "ToolCentreDrill": ("Centre drill", ["Name", "D", "Lw", "L", "B", "Da", "La", "A", "Z"]),
    "ToolCountersink": ("Countersink", ["Name", "D", "Lw", "L", "A", "Df", "Z"]),
    "ToolReamer": ("Reamer", ["Name", "D", "Lw", "Shoulder", "L", "A", "La", "Ds", "Ln", "LengthMode", "Lu", "Z"]),
    "ToolCountering": ("Counterbore", ["Name", "D", "Lw", "L", "R", "Da", "La", "C", "Z"]),
    "ToolTap": ("Tap", ["Name", "Direction", "D", "Lw", "L", "Ds", "P", "A", "La", "Lb", "B", "Standard", "K", "Z"]),
    "ToolTurnTwoEdge": (None, ["Name", "PlateType", "ToolSide", "Direction", "A", "Y", "B", "C", "Aa", "Ay", "R"] + TURN_COMMON_TAIL),
    "ToolTurnDiamond": (None, ["Name", "PlateType", "ToolSide", "Direction", "Shape", "D", "B", "Lc", "F", "C", "R"] + TURN_COMMON_TAIL),
    "ToolTurnParallelogram": (None, ["Name", "PlateType", "ToolSide", "Direction", "Shape", "La", "Lb", "B", "F", "C", "R"] + TURN_COMMON_TAIL),
    "ToolTurnTriangle": (None, ["Name", "PlateType", "ToolSide", "Direction", "Shape", "D", "B", "F", "C", "R"] + TURN_COMMON_TAIL),
    "ToolTurnCircle": (None, ["Name", "PlateType", "ToolSide", "Direction", "D", "t", "F", "C"] + TURN_COMMON_TAIL),
    "ToolTurnPolygonal": (None, ["Name", "PlateType", "ToolSide", "Direction", "Shape", "D", "Lc", "F", "C", "R", "S", "HT", "L", "W",
                                 "E", "WA", "HL", "HW", "HD", "HS"]),
    "ToolTurnGrooveA": (None, ["Name", "PlateType", "ToolSide", "Direction", "La", "Lb", "A", "B1", "B2", "F", "C", "RadiusType", "R1",
                               "R2", "S", "HT", "L", "HW", "WA", "HL", "W", "HD", "HS"]),
}
SHOULDER_CODES = {"Shoulder", "Ds", "Ln", "LengthMode", "Lu"}

MILLING = ["Name", "Description", "OrderNo", "Feed", "SpindleSpeed", "PartAllowance", "Offset", "AxialOffset", "RadialOffset",
           "Depth", "LayerNumber", "DepthStep", "PassStep"]
TURNING = ["Name", "Description", "OrderNo", "Feed", "SpindleSpeed", "PartAllowance", "Offset", "AxialOffset", "RadialOffset",
           "DepthStep"]
FINISH_TURNING = ["Name", "Description", "OrderNo", "Feed", "SpindleSpeed", "Offset"]
HOLE = ["Name", "Description", "OrderNo", "Feed", "SpindleSpeed"]
MACHINING_TYPES = {
    "MillLayers": ("Layer milling", MILLING),
    "MillCountour": ("Contour milling", MILLING),
    "MillSurface": ("Constant cusp milling", ["Name", "Description", "OrderNo", "Feed", "SpindleSpeed", "PartAllowance", "Offset",
                                              "AxialOffset", "RadialOffset", "PassStep"]),
    "MillFace": ("Face milling", ["Name", "Description", "OrderNo", "Feed", "SpindleSpeed", "Offset", "Depth", "LayerNumber",
                                  "DepthStep", "PassStep"]),
    "MillPlunge": ("Plunge milling", MILLING),
    "MillCurve": ("Curve milling", ["Name", "Description", "OrderNo", "PartAllowance", "Offset", "AxialOffset", "RadialOffset", "Feed",
                                    "SpindleSpeed", "LayerNumber", "DepthStep", "PassStep"]),
    "TurnLayers": ("Rough turning", TURNING),
    "TurnFace": ("Face turning", FINISH_TURNING),
    "TurnCountour": ("Contour turning", TURNING),
    "TurnCutOff": ("Cut-off turning", FINISH_TURNING),
    "TurnGroove": ("Groove turning", TURNING),
    "HoleDrill": (None, HOLE),
    "HoleCenter": (None, HOLE),
    "HoleCountersinking": (None, HOLE),
    "HoleReam": (None, HOLE),
    "HoleCounter": (None, HOLE),
    "HoleThread": (None, HOLE),
}
STOCK_TYPES = ["StockBody", "StockBlock", "StockCylindr", "StockExtrude", "StockRotation", "StockSection"]
STOCK_PARAMS = ["Name", "Description", "Material", "CUM", "Weight", "Length", "Height", "Width", "CylinderType"]

# Kinds of the parameters that are not tool geometry.
FIXED_KINDS = {
    "Name": "text", "Description": "text", "OrderNo": "int", "Material": "text", "Coating": "text",
    "Feed": "feed", "SpindleSpeed": "speed", "LayerNumber": "int",
    "PartAllowance": "length", "Offset": "length", "AxialOffset": "length", "RadialOffset": "length",
    "Depth": "length", "DepthStep": "length", "PassStep": "length",
    "CUM": "number", "Weight": "mass", "Length": "length", "Height": "length", "Width": "length", "CylinderType": "int",
    "SD": "length", "SL": "length", "ConeType": "int", "SC": "length", "SA": "angle", "Lt": "length",
    "HE": "length", "LE": "length", "HD1": "length", "HD2": "length", "HL": "length", "HR": "length",
}


def tool_kinds():
    """(tool type, code) -> value kind, from the host's tool catalogue."""
    text = (ROOT / "platform" / "cam" / "ToolLogicCatalogue.cpp").read_text(encoding="utf-8")
    kinds = {}
    section = None
    units = {"Millimeter": "length", "Degree": "angle", "None": "number"}
    for line in text.splitlines():
        header = re.match(r"^// (Tool\w+\*?)$", line)
        if header:
            section = header.group(1)
            continue
        entry = re.match(r"\s*(integer|boolean|number)\([^,]+, L\"([^\"]+)\"(?:, [^,]+, (?:ZKUnits::)?(\w+))?", line)
        if section and entry:
            kind = {"integer": "int", "boolean": "bool"}.get(entry.group(1)) or units[entry.group(3)]
            targets = [t for t in TOOL_TYPES if t.startswith("ToolTurn") and t != "ToolTurnGrooveA"] \
                if section == "ToolTurn*" else [section]
            for target in targets:
                kinds[(target, entry.group(2))] = kind
    return kinds


TOOL_KINDS = tool_kinds()


def kind_of(cam_type, code):
    if (cam_type, code) in TOOL_KINDS:
        return TOOL_KINDS[(cam_type, code)]
    if code == "Name":
        return "text"
    if cam_type in TOOL_TYPES:
        raise SystemExit(f"no kind known for {cam_type}.{code}")
    return FIXED_KINDS[code]


# ---- the PDM schema --------------------------------------------------------------------
# An object of a generic class is created when its kind (in the main group) is read, and the
# plain groups of an object are read in descending order of their GUIDs: the reference's
# own GUID must sort after every other plain group's, or values of those groups would be
# read before the object exists.
TECH = "f7c1d3a2-5b8e-4c6f-9a0d-3e2b1c4d5f60"
MATERIALS = guid("reference", "Materials")
MATERIAL_NAME = guid("Materials", "Name")
MATERIAL_DENSITY = guid("Materials", "Density")
MATERIAL_CLASS = guid("Materials", "class", "Material")
# The material's own parameters sit in a group of their own: a new linked object gets the
# class whose groups hold the rule path's groups, and a class lists groups, not its reference.
MATERIAL_GROUP = guid("Materials", "group", "Material data")

MAIN = "main"
GROUPS = {  # key -> (name, kind)
    "geometry": "Tool geometry",
    "shoulder": "Shoulder",
    "parts": "Tool part geometry",
    "cutting": "Cutting conditions",
    "dimensions": "Overall dimensions",
}
PASSES = guid("Machining technology", "table", "Passes")
ALLOWANCES = guid("Machining technology", "table", "Allowances")
ALLOWANCE_KIND = guid("Machining technology", "Allowances", "Allowance")
ALLOWANCE_VALUE = guid("Machining technology", "Allowances", "Value")
MATERIAL_LINK = guid("Machining technology", "link", "Material")
COATING_LINK = guid("Machining technology", "link", "Coatings")
ALLOWANCE_TAGS = {"PartAllowance": "Part", "Offset": "Offset", "AxialOffset": "Axial", "RadialOffset": "Radial"}

PARAM_TITLES = {
    "Name": "Name", "Description": "Description", "OrderNo": "Order number", "Kind": "CAM kind",
    "D": "Diameter", "Lw": "Cutting length", "L": "Overall length", "Z": "Number of teeth", "A": "Angle", "R": "Corner radius",
    "Shoulder": "Shouldered", "Ds": "Neck diameter", "Ln": "Neck length", "LengthMode": "Length mode", "Lu": "Usable length",
    "Feed": "Feed rate", "SpindleSpeed": "Spindle speed", "Depth": "Depth", "LayerNumber": "Number of layers",
    "DepthStep": "Depth step", "PassStep": "Pass step", "Length": "Length", "Width": "Width", "Height": "Height",
    "Weight": "Mass", "CUM": "Material utilisation", "CylinderType": "Cylinder type",
    "SD": "Shank diameter", "SL": "Shank length", "ConeType": "Cone type", "SC": "Cone length", "SA": "Cone angle",
    "Lt": "Shank overall length", "HE": "Holder overhang", "LE": "Extension length", "HD1": "Bottom diameter",
    "HD2": "Top diameter", "HL": "Length", "HR": "Rounding radius",
}


class Schema:
    """The PDM parameters, one per (group, code, kind), with their path in a rule row."""

    def __init__(self):
        self.params = {}  # (group, code, kind) -> guid
        self.order = []

    def param(self, group, code, kind):
        key = (group, code, kind)
        if key not in self.params:
            self.params[key] = guid("Machining technology", "param", group, code, kind)
            self.order.append(key)
        return self.params[key]


SCHEMA = Schema()


def group_of(cam_type, code):
    if code in ("Name", "Description", "OrderNo"):
        return MAIN
    if cam_type in TOOL_TYPES:
        return "shoulder" if code in SHOULDER_CODES else "geometry"
    if cam_type in ("ToolShank", "ToolHolder", "ToolExtension", "ToolItem"):
        return "parts"
    if code in ("Feed", "SpindleSpeed"):
        return "cutting"
    return "dimensions"


def braced(value):
    return "{" + value + "}"


def rule_path(cam_type, code):
    """(PlmParam path, PlmTag path, PlmTag value) of a CAM parameter, or None when unmapped."""
    kind = kind_of(cam_type, code)
    if code == "Material":
        return f"{braced(TECH)}.{braced(MATERIAL_LINK)}.{braced(MATERIAL_GROUP)}.{braced(MATERIAL_NAME)}", "", ""
    if code == "Coating":
        return f"{braced(TECH)}.{braced(COATING_LINK)}.{braced(MATERIAL_GROUP)}.{braced(MATERIAL_NAME)}", "", ""
    if code in ALLOWANCE_TAGS:
        return (f"{braced(TECH)}.{braced(ALLOWANCES)}.{braced(ALLOWANCE_VALUE)}",
                f"{braced(TECH)}.{braced(ALLOWANCES)}.{braced(ALLOWANCE_KIND)}", ALLOWANCE_TAGS[code])
    if code in ("Depth", "LayerNumber", "DepthStep", "PassStep"):
        return f"{braced(TECH)}.{braced(PASSES)}.{braced(SCHEMA.param('passes', code, kind))}", "", ""
    group = group_of(cam_type, code)
    param = SCHEMA.param(group, code, kind)
    if group == MAIN:
        return f"{braced(TECH)}.{braced(param)}", "", ""
    return f"{braced(TECH)}.{braced(guid('Machining technology', 'group', group))}.{braced(param)}", "", ""


KIND_PARAM = SCHEMA.param(MAIN, "Kind", "text")

# PDM classes: (key, name, CAM type (or generic type), CAM types covered, parameters)
CLASSES = []


def add_class(name, app_type, members, params):
    CLASSES.append({"name": name, "guid": guid("Machining technology", "class", name), "app": app_type,
                    "members": members, "params": params})


add_class("Machining project", "MachiningProject", ["MachiningProject"], ["Name", "Description"])
add_class("Machining group", "MachiningGroup", ["MachiningGroup"], ["Name", "Description", "OrderNo"])
for cam_type, (title, params) in MACHINING_TYPES.items():
    if title:
        add_class(title, cam_type, [cam_type], params)
add_class("Hole machining", "Machining", [t for t, (title, _) in MACHINING_TYPES.items() if not title], HOLE + ["MachiningType"])
for cam_type, (title, params) in TOOL_TYPES.items():
    if title:
        add_class(title, cam_type, [cam_type], params)
TURNING_TOOLS = [t for t, (title, _) in TOOL_TYPES.items() if not title]
TURNING_PARAMS = []
for t in TURNING_TOOLS:
    TURNING_PARAMS += [p for p in TOOL_TYPES[t][1] if p not in TURNING_PARAMS]
add_class("Turning tool", "Tool", TURNING_TOOLS, TURNING_PARAMS + ["ToolType"])
add_class("Shank", "ToolShank", ["ToolShank"], ["SD", "SL", "ConeType", "SC", "SA", "Lt"])
add_class("Holder", "ToolHolder", ["ToolHolder"], ["Name", "HE"])
add_class("Extension", "ToolExtension", ["ToolExtension"], ["Name", "LE"])
add_class("Tool item", "ToolItem", ["ToolItem"], ["Name", "HD1", "HD2", "HL", "HR"])
add_class("Stock", "Stock", STOCK_TYPES, STOCK_PARAMS + ["StockType"])
add_class("Part", "Part", ["Part"], ["Name", "Description", "Weight", "Material", "Coating", "Length", "Height", "Width"])
add_class("Fixture", "Fixture", ["Fixture"], ["Name", "Description", "Length", "Height", "Width"])
add_class("Geometry set", "SetGeometry", ["SetGeometry"], ["Name", "Description", "Length", "Height", "Width"])
CLASS = {c["name"]: c["guid"] for c in CLASSES}
FOLDER_CLASS = guid("Machining technology", "class", "Project folder")
PROJECTS_FOLDER = guid("Machining technology", "folder", "Machining projects")

SELECTORS = {"ToolType", "MachiningType", "StockType"}


def member_kind(cls, code):
    """The kind of a parameter over the CAM types of a class (all must agree)."""
    kinds = {kind_of(t, code) for t in cls["members"] if code in param_names(t)}
    if len(kinds) != 1:
        raise SystemExit(f"{cls['name']}.{code}: kinds {kinds}")
    return kinds.pop(), next(t for t in cls["members"] if code in param_names(t))


def param_names(cam_type):
    if cam_type in TOOL_TYPES:
        return TOOL_TYPES[cam_type][1]
    if cam_type in MACHINING_TYPES:
        return MACHINING_TYPES[cam_type][1]
    if cam_type in STOCK_TYPES:
        return STOCK_PARAMS if cam_type == "StockCylindr" else STOCK_PARAMS[:-1]
    return next(c["params"] for c in CLASSES if c["app"] == cam_type)


# Parameter rows of every class, and through them the PDM parameters.
RULE_ROWS = []  # (class, app type, app param, title, plm param path, tag path, tag value)
for cls in CLASSES:
    for code in cls["params"]:
        if code in SELECTORS:
            path, tag, value = f"{braced(TECH)}.{braced(KIND_PARAM)}", "", ""
        else:
            kind, example = member_kind(cls, code)
            path, tag, value = rule_path(example, code)
        RULE_ROWS.append((cls, cls["app"], code, PARAM_TITLES.get(code, code), path, tag, value))

CHILDREN = {
    "Machining project": ["Machining group", "*machining", "Stock", "Part", "Fixture", "Geometry set"],
    "Machining group": ["Machining group", "*machining", "Stock", "Part", "Fixture"],
    "*machining": ["*tool", "Stock", "Part", "Fixture"],
    "*tool": ["Shank", "Holder", "Extension"],
    "Holder": ["Tool item"],
    "Extension": ["Tool item"],
    "Geometry set": ["Stock", "Part", "Fixture"],
}
MACHINING_CLASSES = [c["name"] for c in CLASSES if c["app"] in MACHINING_TYPES or c["app"] == "Machining"]
TOOL_CLASSES = [c["name"] for c in CLASSES if c["app"] in TOOL_TYPES or c["app"] == "Tool"]


def expand(names):
    out = []
    for n in names:
        out += MACHINING_CLASSES if n == "*machining" else TOOL_CLASSES if n == "*tool" else [n]
    return out


def children_of(name):
    if name in MACHINING_CLASSES:
        return expand(CHILDREN["*machining"])
    if name in TOOL_CLASSES:
        return expand(CHILDREN["*tool"])
    return expand(CHILDREN.get(name, []))


def attr(value):
    return escape(value, {'"': "&quot;"})


def parameter_xml(guid_text, name, kind, indent):
    pdm_type, unit = KINDS[kind]
    extra = (f' type="{pdm_type}"' if pdm_type != "text" else "") + (f' unit="{unit}"' if unit else "")
    return f'{indent}<Parameter guid="{guid_text}" name="{attr(name)}"{extra}/>'


def title_of(code, kind, group):
    title = PARAM_TITLES.get(code)
    if code == "HL":
        title = "Item length" if group == "parts" else "Holder length"
    label = f"{title} ({code})" if title and title != code else code
    same_code = [k for k in SCHEMA.order if k[1] == code and k[0] == group]
    if len(same_code) > 1:
        label += f" [{kind}]"
    return label


def check_group_order():
    for group in GROUPS:
        if guid("Machining technology", "group", group) >= TECH:
            raise SystemExit(f"group {group} sorts after the main group")


def technology_xml():
    check_group_order()
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Generated by tools/generate_technology.py; edit the script, not this file.",
             "     Machining technology of a CAM department: projects, groups, machinings, tools and their",
             "     parts, stocks, parts, fixtures and geometry sets in one hierarchy in which an object may",
             "     have several parents, and the materials they link to. Lengths are kept in metres, angles",
             "     in radians, masses in kilograms, feeds in mm/min. Seed units.xml first. -->",
             "<Pdm>"]
    lines += [f'  <Reference guid="{MATERIALS}" name="Materials">',
              f'    <Group guid="{MATERIAL_GROUP}" name="Material data">',
              f'      <Parameter guid="{MATERIAL_NAME}" name="Name"/>',
              f'      <Parameter guid="{MATERIAL_DENSITY}" name="Density" type="double"/>',
              '    </Group>',
              f'    <Class guid="{MATERIAL_CLASS}" name="Material"/>']
    for name, density in MATERIAL_OBJECTS:
        lines += [f'    <Object guid="{guid("Materials", name)}" class="{MATERIAL_CLASS}">',
                  f'      <Value param="{MATERIAL_NAME}">{escape(name)}</Value>',
                  f'      <Value param="{MATERIAL_DENSITY}">{density}</Value>', "    </Object>"]
    lines += ["  </Reference>", f'  <Reference guid="{TECH}" name="Machining technology" hierarchy="complex">']
    for key in SCHEMA.order:
        if key[0] == MAIN:
            lines.append(parameter_xml(SCHEMA.params[key], title_of(key[1], key[2], MAIN), key[2], "    "))
    for group, name in GROUPS.items():
        lines.append(f'    <Group guid="{guid("Machining technology", "group", group)}" name="{name}">')
        for key in SCHEMA.order:
            if key[0] == group:
                lines.append(parameter_xml(SCHEMA.params[key], title_of(key[1], key[2], group), key[2], "      "))
        lines.append("    </Group>")
    lines.append(f'    <Link guid="{MATERIAL_LINK}" name="Material" to="{MATERIALS}"/>')
    lines.append(f'    <Link guid="{COATING_LINK}" name="Coatings" to="{MATERIALS}" many="true"/>')
    lines.append(f'    <Table guid="{PASSES}" name="Passes" many="false">')
    for key in SCHEMA.order:
        if key[0] == "passes":
            lines.append(parameter_xml(SCHEMA.params[key], title_of(key[1], key[2], "passes"), key[2], "      "))
    lines += [f'      <Class guid="{guid("Machining technology", "Passes", "class")}" name="Pass settings"/>', "    </Table>",
              f'    <Table guid="{ALLOWANCES}" name="Allowances">',
              parameter_xml(ALLOWANCE_KIND, "Allowance", "text", "      "),
              parameter_xml(ALLOWANCE_VALUE, "Value", "length", "      "),
              f'      <Class guid="{guid("Machining technology", "Allowances", "class")}" name="Allowance"/>', "    </Table>"]
    for cls in CLASSES:
        children = " ".join(CLASS[c] for c in children_of(cls["name"]))
        extra = f' children="{children}"' if children else ""
        lines.append(f'    <Class guid="{cls["guid"]}" name="{cls["name"]}"{extra}/>')
    # A folder that files machining projects; it maps to no CAM type, so it has no rules.
    lines += [f'    <Class guid="{FOLDER_CLASS}" name="Project folder" children="{CLASS["Machining project"]}"/>',
              f'    <Object guid="{PROJECTS_FOLDER}" class="{FOLDER_CLASS}">',
              f'      <Value param="{param_ref(MAIN, "Name", "text")}">Machining projects</Value>',
              "    </Object>"]
    lines += ["  </Reference>", "</Pdm>", ""]
    return "\n".join(lines)


def row_xml(table, cls, order, values):
    lines = [f'      <Row table="{table}" class="{cls}" order="{order}">']
    for param, value in values:
        if value != "":
            lines.append(f'        <Value param="{param}">{escape(value)}</Value>')
    lines.append("      </Row>")
    return lines


TYPES_TABLE = "aa2f4b2b-0934-41bd-80db-1a59098684e7"
TYPE_ROW = "335d709a-0f9c-4a8d-9bc0-357452500269"
SETTINGS_TABLE = "716de1cd-e3a0-4e19-b573-6f9efae3bbb3"
SETTING_ROW = "b1fe747d-e221-413d-ac10-2a0a4283d2b2"


def rules_xml():
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Generated by tools/generate_technology.py; edit the script, not this file.",
             "     Integration rules of the machining technology (technology.xml) for \"VIREO CAM\": one type",
             "     row per class, specific CAM types first so that an export picks a specific class before a",
             "     class of a generic type. Seed integration-rules.xml and technology.xml first. -->",
             "<Pdm>", '  <Reference guid="67892771-adc2-4e78-b052-302ad7d10915">',
             f'    <Object guid="{guid("rules", "Machining technology")}" class="5b83061c-c10b-4b1e-9549-12499d0d83a0">',
             '      <Value param="a14eaf5b-beae-434e-ad9c-2f4bb3fb3178">Machining technology</Value>',
             f'      <Value param="d5cdcb27-31c9-4fa4-a8ec-868ba01409ca">{APP_CODE}</Value>',
             f'      <Value param="025bce87-b3a9-4dc1-854d-c7e5554a3adf">{TECH}</Value>',
             '      <Value param="dd9ec209-504b-4389-978f-e1b7027cba40">Technology</Value>']
    generic = {"Tool", "Stock", "Machining"}
    ordered = [c for c in CLASSES if c["app"] not in generic] + [c for c in CLASSES if c["app"] in generic]
    for order, cls in enumerate(ordered, 1):
        lines += row_xml(TYPES_TABLE, TYPE_ROW, order, [
            ("1afb6833-5600-4f70-bf84-c629d781f45b", f"{cls['name']}^{braced(cls['guid'])}"),
            ("cb163280-2198-4330-9657-31f4553cdedb", "1"),
            ("9d578f45-c166-4b7e-83be-1bcc9ca4b0b1", cls["app"])])
    for order, (cls, app_type, code, title, path, tag, value) in enumerate(RULE_ROWS, 1):
        lines += row_xml(SETTINGS_TABLE, SETTING_ROW, order, [
            ("aa3bb8cc-3f3f-4293-93d5-92c28e84b013", f"{cls['name']}^{braced(cls['guid'])}"),
            ("ea05edce-cdf5-4b38-95ce-7896060b4534", app_type),
            ("4fdba7d8-adda-407d-bd81-e9edc749da39", tag),
            ("403bc094-9b3b-4891-9ba3-df1aaef08117", value),
            ("5e13e514-e916-44cb-9ff1-14b51b3ae4ba", title),
            ("600ca2ac-fa9d-4ffc-a366-605090ef210a", PARAMETER_ROW),
            ("4c35c032-41ec-4e37-991e-8d7bf41a31a8", code),
            ("aa219407-a997-4ae6-a803-843df23a2bbc", path)])
    lines += ["    </Object>", "  </Reference>", "</Pdm>", ""]
    return "\n".join(lines)


# ---- materials and the sample project --------------------------------------------------
MATERIAL_OBJECTS = [("Steel C45", "7850"), ("Aluminium alloy AlMg3", "2660"), ("Grey cast iron", "7200"),
                    ("Titanium nitride", "5220"), ("Chromium", "7190")]


def mm(value):
    return repr(value / 1000.0)


def deg(value):
    return repr(math.radians(value))


def param_ref(group, code, kind):
    return SCHEMA.params[(group, code, kind)]


class Sample:
    """Objects of the sample project, written in PDM units."""

    def __init__(self):
        self.objects = []

    def add(self, key, cls, parents, values, links=(), rows=()):
        self.objects.append((key, cls, parents, values, links, rows))
        return key

    def xml(self):
        lines = ['<?xml version="1.0" encoding="utf-8"?>',
                 "<!-- Generated by tools/generate_technology.py; edit the script, not this file.",
                 "     A sample machining project in the machining technology: two machining groups, machinings",
                 "     of several strategies, tools with shank, holder, extension and items, an end mill used by",
                 "     two machinings, and the stock, part and fixture of the project. Seed technology.xml",
                 "     first. -->", "<Pdm>", f'  <Reference guid="{TECH}">']
        for order, (key, cls, parents, values, links, rows) in enumerate(self.objects, 1):
            parent_text = " ".join(guid("sample", p) for p in parents)
            extra = f' parents="{parent_text}"' if parents else ""
            lines.append(f'    <Object guid="{guid("sample", key)}" class="{CLASS[cls]}" order="{order}"{extra}>')
            for param, value in values:
                lines.append(f'      <Value param="{param}">{escape(value)}</Value>')
            for group, material in links:
                lines.append(f'      <Link group="{group}" object="{guid("Materials", material)}"/>')
            for row_order, (table, row_class, row_values) in enumerate(rows, 1):
                lines.append(f'      <Row table="{table}" class="{row_class}" order="{row_order}">')
                for param, value in row_values:
                    lines.append(f'        <Value param="{param}">{escape(value)}</Value>')
                lines.append("      </Row>")
            lines.append("    </Object>")
        lines += ["  </Reference>", "</Pdm>", ""]
        return "\n".join(lines)


def sample_project():
    name = param_ref(MAIN, "Name", "text")
    description = param_ref(MAIN, "Description", "text")
    order_no = param_ref(MAIN, "OrderNo", "int")
    dims = lambda code, kind="length": param_ref("dimensions", code, kind)
    cutting = lambda code, kind: param_ref("cutting", code, kind)
    geometry = lambda code, kind: param_ref("geometry", code, kind)
    shoulder = lambda code, kind: param_ref("shoulder", code, kind)
    parts = lambda code, kind="length": param_ref("parts", code, kind)
    passes = lambda code, kind: param_ref("passes", code, kind)
    allowance_class = guid("Machining technology", "Allowances", "class")
    passes_class = guid("Machining technology", "Passes", "class")

    def allowances(**values):
        return [(ALLOWANCES, allowance_class, [(ALLOWANCE_KIND, ALLOWANCE_TAGS[k]), (ALLOWANCE_VALUE, mm(v))])
                for k, v in values.items()]

    def pass_row(depth, layers, step, pass_step):
        return [(PASSES, passes_class, [(passes("Depth", "length"), mm(depth)), (passes("LayerNumber", "int"), str(layers)),
                                        (passes("DepthStep", "length"), mm(step)), (passes("PassStep", "length"), mm(pass_step))])]

    s = Sample()
    s.add("project", "Machining project", [], [(name, "Housing 4711"), (description, "Milling and drilling of the gear housing")])
    s.add("stock", "Stock", ["project"], [
        (name, "Blank 160x100x50"), (description, "Sawn block"), (KIND_PARAM, "StockBlock"),
        (dims("Weight", "mass"), "6.28")],
        links=[(MATERIAL_LINK, "Steel C45")])
    s.add("part", "Part", ["project"], [(name, "Gear housing"), (description, "Drawing 4711-01"), (dims("Weight", "mass"), "3.9")],
          links=[(MATERIAL_LINK, "Steel C45"), (COATING_LINK, "Titanium nitride")])
    s.add("fixture", "Fixture", ["project"], [(name, "Machine vice 125"), (description, "Jaw width 125 mm")])
    s.add("roughing", "Machining group", ["project"], [(name, "Roughing"), (description, "Roughing of the outer contour"),
                                                         (order_no, "1")])
    s.add("drilling", "Machining group", ["project"], [(name, "Drilling"), (description, "Bores of the flange"),
                                                         (order_no, "2")])
    s.add("layers", "Layer milling", ["roughing"], [
        (name, "Pocket roughing"), (description, "Main pocket"), (order_no, "1"), (cutting("Feed", "feed"), "1500"),
        (cutting("SpindleSpeed", "speed"), "6000")],
        rows=allowances(PartAllowance=0.5, AxialOffset=0.2, RadialOffset=0.3) + pass_row(24, 12, 2, 6))
    s.add("contour", "Contour milling", ["roughing"], [
        (name, "Outer contour"), (description, "Contour at full depth"), (order_no, "2"), (cutting("Feed", "feed"), "1200"),
        (cutting("SpindleSpeed", "speed"), "5500")],
        rows=allowances(PartAllowance=0.2, Offset=0.1) + pass_row(40, 4, 10, 5))
    s.add("face", "Face milling", ["roughing"], [
        (name, "Top face"), (order_no, "3"), (cutting("Feed", "feed"), "2000"), (cutting("SpindleSpeed", "speed"), "3500")],
        rows=allowances(Offset=0.05) + pass_row(2, 2, 1, 40))
    s.add("drill", "Hole machining", ["drilling"], [
        (name, "Flange bores"), (description, "Four bores 8.5"), (order_no, "1"), (KIND_PARAM, "HoleDrill"),
        (cutting("Feed", "feed"), "180"), (cutting("SpindleSpeed", "speed"), "2400")])
    s.add("endmill", "End mill", ["layers", "contour"], [
        (name, "End mill D12"), (geometry("D", "length"), mm(12)), (geometry("Lw", "length"), mm(26)),
        (geometry("L", "length"), mm(83)), (geometry("Z", "int"), "4"), (shoulder("Shoulder", "bool"), "true"),
        (shoulder("Ds", "length"), mm(11.5)), (shoulder("Ln", "length"), mm(36)), (shoulder("Lu", "length"), mm(40))])
    s.add("shank", "Shank", ["endmill"], [(parts("SD"), mm(12)), (parts("SL"), mm(45)), (parts("ConeType", "int"), "1"),
                                           (parts("SC"), mm(2)), (parts("SA", "angle"), deg(45)), (parts("Lt"), mm(47))])
    s.add("holder", "Holder", ["endmill"], [(name, "HSK63 shrink-fit chuck")])
    s.add("holderitem", "Tool item", ["holder"], [(name, "Clamping cone"), (parts("HD1"), mm(27)), (parts("HD2"), mm(53)),
                                                  (parts("HL", "length"), mm(40)), (parts("HR"), mm(1))])
    s.add("extension", "Extension", ["endmill"], [(name, "Extension 50")])
    s.add("extensionitem", "Tool item", ["extension"], [(name, "Extension sleeve"), (parts("HD1"), mm(20)),
                                                        (parts("HD2"), mm(32)), (parts("HL", "length"), mm(50)),
                                                        (parts("HR"), mm(0.5))])
    s.add("facemill", "End mill", ["face"], [
        (name, "Face mill D50"), (geometry("D", "length"), mm(50)), (geometry("Lw", "length"), mm(8)),
        (geometry("L", "length"), mm(60)), (geometry("Z", "int"), "5"), (shoulder("Shoulder", "bool"), "false")])
    s.add("twistdrill", "Twist drill", ["drill"], [
        (name, "Twist drill D8.5"), (geometry("D", "length"), mm(8.5)), (geometry("Lw", "length"), mm(56)),
        (geometry("L", "length"), mm(117)), (geometry("A", "angle"), deg(118)), (geometry("Z", "int"), "2")])
    return s.xml()


def main():
    (OUT / "technology.xml").write_text(technology_xml(), encoding="utf-8")
    (OUT / "technology-rules.xml").write_text(rules_xml(), encoding="utf-8")
    (OUT / "technology-project.xml").write_text(sample_project(), encoding="utf-8")


if __name__ == "__main__":
    main()
