#include "platform/cam/ParameterText.h"

#include "platform/host/ZKObjectID.h"
#include "platform/support/Utf8.h"

namespace Vireo::Cam {
namespace {

using Host::FormatNumber;
using Host::TextNode;

const zktypes::Unit* readUnit(const TextNode& node, std::size_t arg)
{
    const std::wstring& text = node.Arg(arg);
    if (text == L"-")
        return nullptr;
    const zktypes::Unit* unit = zktypes::Units::Instance().FindByShortName(text);
    if (!unit)
        node.Fail("unknown unit \"" + Support::WideToUtf8(text) + "\"");
    return unit;
}

std::wstring unitText(const zktypes::Unit* unit)
{
    return unit ? unit->GetShortName() : L"-";
}

void saveValue(const UniqueIdentifier& id, const BaseValue& value, TextNode& node)
{
    const std::wstring idText = id.ToString();
    if (const BoolValue* flag = value.AsBool())
        node.Add(L"param", {idText, L"bool", Host::FormatBool(flag->GetValue())});
    else if (const IntValue* integer = value.AsInt())
        node.Add(L"param", {idText, L"int", std::to_wstring(integer->GetValue())});
    else if (const DoubleValue* number = value.AsDouble())
        node.Add(L"param", {idText, L"double", FormatNumber(number->GetValue()), unitText(number->GetUnit())});
    else if (const StringValue* text = value.AsString())
        node.Add(L"param", {idText, L"string", text->GetValue()});
    else if (const AggregateValue* group = value.AsAggregate())
        SaveParameters(group->GetValue(), node.Add(L"param", {idText, L"group"}));
    else if (const auto* calculated = dynamic_cast<const CalculatedValue*>(&value))
        node.Add(L"param", {idText, L"calculated", calculated->GetFormula(), FormatNumber(calculated->GetResult())});
}

std::unique_ptr<BaseValue> loadValue(const TextNode& line)
{
    const std::wstring& kind = line.Arg(1);
    if (kind == L"bool") {
        line.ExpectArgs(3);
        return std::make_unique<BoolValue>(line.ArgBool(2));
    }
    if (kind == L"int") {
        line.ExpectArgs(3);
        const std::int64_t value = line.ArgInteger(2);
        if (value < INT32_MIN || value > INT32_MAX)
            line.Fail("an integer parameter out of the 32-bit range");
        return std::make_unique<IntValue>(static_cast<std::int32_t>(value));
    }
    if (kind == L"double") {
        line.ExpectArgs(4);
        return std::make_unique<DoubleValue>(line.ArgNumber(2), readUnit(line, 3));
    }
    if (kind == L"string") {
        line.ExpectArgs(3);
        return std::make_unique<StringValue>(line.args[2]);
    }
    if (kind == L"group") {
        line.ExpectArgs(2);
        return std::make_unique<AggregateValue>(LoadParameters(line));
    }
    if (kind == L"calculated") {
        line.ExpectArgs(4);
        return std::make_unique<CalculatedValue>(line.args[2], line.ArgNumber(3));
    }
    line.Fail("unknown value kind \"" + Support::WideToUtf8(kind) + "\"");
}

} // namespace

void SaveParameters(const Parameters& parameters, TextNode& node)
{
    for (const Parameters::Entry& entry : parameters)
        saveValue(entry.id, *entry.value, node);
}

Parameters LoadParameters(const TextNode& node)
{
    Parameters parameters;
    for (const TextNode& line : node.children) {
        if (line.key != L"param")
            continue;
        const UniqueIdentifier id = line.ArgIdentifier(0);
        if (id.IsEmpty())
            line.Fail("a parameter needs a non-empty identifier");
        if (parameters.Contains(id))
            line.Fail("a second parameter " + Support::WideToUtf8(id.ToString()));
        parameters.Add(id, loadValue(line));
    }
    return parameters;
}

std::vector<std::wstring> RealParameterArgs(const zkaux::RealParameter& value)
{
    return {FormatNumber(value.GetValue()), unitText(value.GetUnit())};
}

zkaux::RealParameter ReadRealParameter(const TextNode& node, std::size_t firstArg)
{
    const double number = node.ArgNumber(firstArg);
    return {number, zktypes::Units::Instance().GetIndexFor(readUnit(node, firstArg + 1))};
}

void SaveReal(TextNode& node, std::wstring key, const zkaux::RealParameter& value)
{
    node.Add(std::move(key), RealParameterArgs(value));
}

zkaux::RealParameter LoadReal(const TextNode& node, std::wstring_view key)
{
    const TextNode& line = node.Require(key);
    line.ExpectArgs(2);
    return ReadRealParameter(line, 0);
}

void SaveIds(TextNode& node, std::wstring key, const std::vector<ZKObjectID>& ids)
{
    std::vector<std::wstring> args;
    for (ZKObjectID id : ids)
        args.push_back(id.toString());
    node.Add(std::move(key), std::move(args));
}

ZKObjectID ReadId(const TextNode& node, std::size_t arg)
{
    const std::int64_t value = node.ArgInteger(arg);
    if (value < 0)
        node.Fail("an object id must not be negative");
    return ZKObjectID(static_cast<std::uint64_t>(value));
}

std::vector<ZKObjectID> LoadIds(const TextNode& node, std::wstring_view key)
{
    const TextNode& line = node.Require(key);
    std::vector<ZKObjectID> ids;
    for (std::size_t i = 0; i < line.args.size(); ++i)
        ids.push_back(ReadId(line, i));
    return ids;
}

} // namespace Vireo::Cam
