#include "platform/arbor/FilterSql.h"

#include "platform/arbor/ModelException.h"
#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/ParameterInfo.h"
#include "platform/arbor/Schema.h"

namespace Vireo::Arbor::Model {
namespace {

class ConditionWriter {
public:
    SqlCondition Run(const Search::TermGroup& terms)
    {
        condition_.text = group(terms);
        return std::move(condition_);
    }

private:
    std::string alias(const char* prefix) { return prefix + std::to_string(++aliases_); }

    std::string group(const Search::TermGroup& terms)
    {
        std::string out;
        for (const auto& item : terms.Items()) {
            if (!out.empty())
                out += item->LogicalOperator == Search::LogicalOperator::Or ? " OR " : " AND ";
            if (const auto* inner = dynamic_cast<const Search::TermGroup*>(item.get()))
                out += "(" + group(*inner) + ")";
            else
                out += "(" + term(dynamic_cast<const Search::ReferenceObjectTerm&>(*item)) + ")";
        }
        return out.empty() ? "1 = 1" : out;
    }

    std::string term(const Search::ReferenceObjectTerm& t)
    {
        std::string open, close, current = "o.id";
        for (const auto& step : t.Path.Steps()) {
            if (step.parameter) {
                std::string test = compare(*step.parameter, step.flag, t.Value, current);
                if (t.Operator == Search::ComparisonOperator::NotEqual)
                    test = "NOT (" + test + ")";
                return open + test + close;
            }
            // The placeholders are bound in the order they appear: this step's before its inner ones.
            condition_.values.emplace_back(step.group->Id());
            if (step.group->IsTable()) {
                const auto r = alias("r");
                open += "EXISTS (SELECT 1 FROM objects " + r + " WHERE " + r + ".owner_id = " + current + " AND " + r +
                        ".table_id = ? AND ";
                current = r + ".id";
            } else {
                const auto l = alias("l");
                const char* from = step.flag ? ".slave_id" : ".master_id";
                const char* to = step.flag ? ".master_id" : ".slave_id";
                open += "EXISTS (SELECT 1 FROM links " + l + " WHERE " + l + from + " = " + current + " AND " + l +
                        ".group_id = ? AND ";
                current = l + to;
            }
            close += ")";
        }
        throw ModelException("a search term has no parameter at the end of its path");
    }

    std::string compare(const ParameterInfo& parameter, bool ignoreCase, const ObjectValue& value,
                        const std::string& current)
    {
        if (parameter.Guid() == Schema::ClassParameterGuid) {
            const auto guid = System::Guid::TryParse(value.ToString());
            condition_.values.emplace_back(guid ? guid->ToString() : value.ToString());
            const auto x = alias("x");
            return "(SELECT c.guid FROM objects " + x + " JOIN classes c ON c.id = " + x + ".class_id WHERE " + x +
                   ".id = " + current + ") = ?";
        }
        const auto v = alias("v");
        const std::string row =
            "SELECT 1 FROM vals " + v + " WHERE " + v + ".object_id = " + current + " AND " + v + ".param_id = ?";
        auto converted = value.ConvertTo(parameter.ValueType());
        if (!value.IsNull() && !converted)
            return "1 = 0"; // no stored value can equal it
        condition_.values.emplace_back(parameter.Id());
        if (value.IsNull())
            return "NOT EXISTS (" + row + ")";
        condition_.values.push_back(*converted);
        if (ignoreCase)
            return "EXISTS (" + row + " AND lower(" + v + ".value) = lower(?))";
        return "EXISTS (" + row + " AND " + v + ".value = ?)";
    }

    SqlCondition condition_;
    int aliases_ = 0;
};

} // namespace

SqlCondition ToSqlCondition(const Search::Filter& filter)
{
    return ConditionWriter().Run(*filter.Terms());
}

} // namespace Vireo::Arbor::Model
