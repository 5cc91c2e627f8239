// The text form of search filters (see SearchFilter.h) and its parser.
#include "platform/arbor/SearchFilter.h"

#include "platform/arbor/ModelException.h"
#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/ParameterInfo.h"
#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/Schema.h"

#include <cmath>
#include <cstdint>
#include <cwctype>
#include <limits>

namespace Vireo::Arbor::Model::Search {
namespace {

std::wstring valueText(const ObjectValue& value)
{
    struct Visitor {
        std::wstring operator()(std::monostate) const { return L"null"; }
        std::wstring operator()(const std::wstring& text) const
        {
            std::wstring out = L"\"";
            for (wchar_t c : text) {
                out.push_back(c);
                if (c == L'"')
                    out.push_back(c);
            }
            return out + L"\"";
        }
        std::wstring operator()(int number) const { return std::to_wstring(number); }
        std::wstring operator()(double number) const
        {
            std::wstring text = ObjectValue(number).ToString();
            if (text.find_first_of(L".eEn") == std::wstring::npos)
                text += L".0";
            return text;
        }
        std::wstring operator()(bool flag) const { return flag ? L"true" : L"false"; }
    };
    return std::visit(Visitor{}, value.Value());
}

std::wstring pathText(const TermPath& path)
{
    std::wstring out;
    for (const auto& step : path.Steps()) {
        if (!out.empty())
            out += L'.';
        if (step.group)
            out += (step.flag ? L"<{" : L">{") + step.group->Guid().ToString() + L"}";
        else if (step.parameter)
            out += L"{" + step.parameter->Guid().ToString() + (step.flag ? L"}i" : L"}");
    }
    return out;
}

void appendItems(std::wstring& out, const TermGroup& group);

void appendItem(std::wstring& out, const TermItem& item)
{
    if (const auto* group = dynamic_cast<const TermGroup*>(&item)) {
        out += L'(';
        if (group->ItemType != TermItemType::Terms)
            out += L"#" + std::to_wstring(static_cast<int>(group->ItemType)) + L" ";
        appendItems(out, *group);
        out += L')';
        return;
    }
    const auto& term = dynamic_cast<const ReferenceObjectTerm&>(item);
    out += pathText(term.Path);
    out += term.Operator == ComparisonOperator::Equal ? L" = " : L" != ";
    out += valueText(term.Value);
}

void appendItems(std::wstring& out, const TermGroup& group)
{
    bool first = true;
    for (const auto& item : group.Items()) {
        if (!first)
            out += item->LogicalOperator == LogicalOperator::Or ? L" OR " : L" AND ";
        else if (item->LogicalOperator == LogicalOperator::Or)
            out += L"OR ";
        first = false;
        appendItem(out, *item);
    }
}

class Parser {
public:
    Parser(std::shared_ptr<ReferenceInfo> reference, std::wstring_view text)
        : reference_(std::move(reference)), text_(text)
    {
    }

    std::shared_ptr<Filter> Run()
    {
        auto filter = std::make_shared<Filter>(reference_);
        parseItems(*filter->Terms());
        skipBlanks();
        if (at_ != text_.size())
            fail("end of text");
        return filter;
    }

private:
    [[noreturn]] void fail(const std::string& expected) const
    {
        throw ModelException("search filter text, position " + std::to_string(at_) + ": expected " + expected);
    }

    void skipBlanks()
    {
        while (at_ < text_.size() && std::iswspace(static_cast<wint_t>(text_[at_])))
            ++at_;
    }

    bool take(std::wstring_view word)
    {
        skipBlanks();
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

    void parseItems(TermGroup& group)
    {
        skipBlanks();
        if (at_ == text_.size() || text_[at_] == L')')
            return;
        auto op = take(L"OR ") ? LogicalOperator::Or : LogicalOperator::And;
        for (;;) {
            parseItem(group, op);
            if (take(L"AND "))
                op = LogicalOperator::And;
            else if (take(L"OR "))
                op = LogicalOperator::Or;
            else
                return;
        }
    }

    void parseItem(TermGroup& group, LogicalOperator op)
    {
        if (take(L"(")) {
            auto type = TermItemType::Terms;
            if (take(L"#")) {
                const std::size_t where = at_;
                const int number = parseNumber();
                if (!isItemType(number)) {
                    at_ = where;
                    fail("a group kind");
                }
                type = static_cast<TermItemType>(number);
                skipBlanks();
            }
            if (++depth_ > MaxGroupDepth)
                fail("at most " + std::to_string(MaxGroupDepth) + " groups inside each other");
            auto inner = group.AddGroup(op, type);
            parseItems(*inner);
            if (!take(L")"))
                fail("\")\"");
            --depth_;
            return;
        }
        auto term = group.AddTerm();
        term->LogicalOperator = op;
        parsePath(term->Path);
        if (take(L"!="))
            term->Operator = ComparisonOperator::NotEqual;
        else if (take(L"="))
            term->Operator = ComparisonOperator::Equal;
        else
            fail("\"=\" or \"!=\"");
        term->Value = parseValue();
    }

    int parseNumber()
    {
        const std::size_t start = at_;
        while (at_ < text_.size() && std::iswdigit(static_cast<wint_t>(text_[at_])))
            ++at_;
        if (start == at_)
            fail("a number");
        int number = 0;
        for (std::size_t i = start; i < at_; ++i) {
            const int digit = static_cast<int>(text_[i] - L'0');
            if (number > (std::numeric_limits<int>::max() - digit) / 10) {
                at_ = start;
                fail("a number of at most " + std::to_string(std::numeric_limits<int>::max()));
            }
            number = number * 10 + digit;
        }
        return number;
    }

    System::Guid parseGuid()
    {
        if (!take(L"{"))
            fail("\"{\"");
        const auto close = text_.find(L'}', at_);
        auto guid = close == std::wstring_view::npos ? std::nullopt : System::Guid::TryParse(text_.substr(at_, close - at_));
        if (!guid)
            fail("a GUID");
        at_ = close + 1;
        return *guid;
    }

    void parsePath(TermPath& path)
    {
        auto context = reference_;
        auto table = std::shared_ptr<ParameterGroup>();
        do {
            skipBlanks();
            if (take(L">") || (at_ < text_.size() && text_[at_] == L'<')) {
                const bool backward = at_ < text_.size() && text_[at_] == L'<';
                if (backward)
                    ++at_;
                const std::size_t where = at_;
                auto group = backward ? linkInto(*context, parseGuid()) : context->Description()->GetAllGroups().Find(parseGuid());
                if (!group || !(group->IsLinkGroup() || group->IsTable())) {
                    at_ = where;
                    fail("a link group or table of reference \"" + narrow(context->Name()) + "\"");
                }
                path.AddGroup(group, backward);
                table = group->IsTable() ? group : nullptr;
                if (backward)
                    context = group->ReferenceInfo();
                else if (group->IsLinkGroup())
                    context = group->SlaveGroup()->ReferenceInfo();
                continue;
            }
            const std::size_t where = at_;
            auto parameter = findParameter(table ? table : context->Description(), parseGuid());
            if (!parameter) {
                at_ = where;
                fail("a parameter of " + std::string(table ? "table" : "reference") + " \"" +
                     narrow(table ? table->Name() : context->Name()) + "\"");
            }
            bool ignoreCase = at_ < text_.size() && text_[at_] == L'i';
            if (ignoreCase)
                ++at_;
            path.AddParameter(parameter, ignoreCase);
            return;
        } while (take(L"."));
        fail("a parameter at the end of the path");
    }

    std::shared_ptr<ParameterGroup> linkInto(const ReferenceInfo& target, const System::Guid& guid) const
    {
        auto connection = target.CreateReference();
        if (!connection)
            return nullptr;
        for (auto info : connection->Connection()->ReferenceCatalog()->GetReferences())
            if (auto group = info->Description()->GetAllGroups().Find(guid))
                return group->IsLinkGroup() && group->SlaveGroup()->ReferenceInfo()->Id() == target.Id() ? group : nullptr;
        return nullptr;
    }

    // A parameter of the objects of `owner` (a reference's own group or a table): its
    // own and those of its plain groups, not those of links or other tables.
    static std::shared_ptr<ParameterInfo> findParameter(const std::shared_ptr<ParameterGroup>& owner,
                                                        const System::Guid& guid)
    {
        if (owner->IsReference() && guid == Schema::ClassParameterGuid)
            return owner->ClassParameterInfo();
        for (auto group : owner->GetAllGroups()) {
            if (group->IsLinkGroup() || (group->IsTable() && group != owner))
                continue;
            if (auto parameter = group->Item(guid))
                return parameter;
        }
        return nullptr;
    }

    static std::string narrow(const std::wstring& text)
    {
        std::string out;
        for (wchar_t c : text)
            out.push_back(c < 128 ? static_cast<char>(c) : '?');
        return out;
    }

    ObjectValue parseValue()
    {
        skipBlanks();
        if (take(L"\"")) {
            std::wstring text;
            for (;;) {
                if (at_ >= text_.size())
                    fail("the closing '\"' of a text");
                if (text_[at_] == L'"') {
                    if (at_ + 1 < text_.size() && text_[at_ + 1] == L'"') {
                        text.push_back(L'"');
                        at_ += 2;
                        continue;
                    }
                    ++at_;
                    return ObjectValue(std::move(text));
                }
                if (!isCodePoint(text_[at_]))
                    fail("characters that are code points (not halves of a surrogate pair)");
                text.push_back(text_[at_++]);
            }
        }
        if (take(L"null"))
            return {};
        if (take(L"true"))
            return ObjectValue(true);
        if (take(L"false"))
            return ObjectValue(false);
        const std::size_t start = at_;
        while (at_ < text_.size() && !std::iswspace(static_cast<wint_t>(text_[at_])) && text_[at_] != L')')
            ++at_;
        const std::wstring word(text_.substr(start, at_ - start));
        const bool isDouble = word.find_first_of(L".eEn") != std::wstring::npos;
        try {
            if (isDouble) {
                const double number = ObjectValue(word).ToDouble();
                if (!std::isfinite(number))
                    throw ModelException("not finite");
                return ObjectValue(number);
            }
            return ObjectValue(ObjectValue(word).ToInt32());
        } catch (const ModelException&) {
            at_ = start;
            fail("a value");
        }
    }

    static bool isItemType(int number)
    {
        return number == static_cast<int>(TermItemType::Terms) || number == static_cast<int>(TermItemType::Other);
    }

    static bool isCodePoint(wchar_t c)
    {
        const auto code = static_cast<std::uint32_t>(c);
        return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    }

    // Groups are read by recursion: the bound keeps any text within the stack.
    static constexpr std::size_t MaxGroupDepth = 64;

    std::shared_ptr<ReferenceInfo> reference_;
    std::wstring_view text_;
    std::size_t at_ = 0;
    std::size_t depth_ = 0;
};

} // namespace

std::wstring Filter::ToString() const
{
    std::wstring out;
    appendItems(out, *terms_);
    return out;
}

std::shared_ptr<Filter> Filter::Parse(std::shared_ptr<Model::ReferenceInfo> reference, std::wstring_view text)
{
    if (!reference)
        throw ModelException("search filter text: no reference given");
    return Parser(std::move(reference), text).Run();
}

} // namespace Vireo::Arbor::Model::Search
