#pragma once
// Search filters: a tree of term groups and terms on one reference. Every item carries
// the logical operator that joins it to the item before it in its group (AND binds
// tighter than OR, as usual); a term compares the parameter at the end of its path,
// which may run through link groups (forward or backward) and tables, with a value.
//
// ToString() gives a text form that Filter::Parse reads back into an equal filter:
//   OR ( {class-param} = "guid" AND >{link}.>{table}.{param} = 2.5 ) OR ( ... )
// Path steps are ">{group}" (a link followed forward or a table), "<{group}" (a link
// followed backward) and "{param}" or "{param}i" (text compared ignoring ASCII case);
// values are "text" (quotes doubled inside), integers, doubles (always with a "." or
// an exponent), true, false and null; "!=" is NotEqual; a leading OR marks a first item
// whose operator is OR; "(#1 ..." marks a group of item type 1.

#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/ObjectValue.h"

#include <string>
#include <string_view>
#include <vector>

namespace Vireo::Arbor::Model::Search {

enum class ComparisonOperator { Equal = 0, NotEqual = 1 };
enum class LogicalOperator { And = 0, Or = 1 };
enum class TermItemType { Terms = 0, Other = 1 };

class MacroContext {};

class TermItem {
public:
    virtual ~TermItem() = default;
    Search::LogicalOperator LogicalOperator = Search::LogicalOperator::And;
};

class TermPath {
public:
    struct Step {
        std::shared_ptr<ParameterGroup> group; // a link group or table, or
        std::shared_ptr<ParameterInfo> parameter; // the parameter at the end
        bool flag = false; // groups: follow a link backward; parameters: ignore case
        friend bool operator==(const Step&, const Step&) = default;
    };

    void AddGroup(std::shared_ptr<ParameterGroup> group, bool backward = false);
    void AddParameter(std::shared_ptr<ParameterInfo> parameter, bool ignoreCase = false);
    const std::vector<Step>& Steps() const { return steps_; }
    friend bool operator==(const TermPath&, const TermPath&) = default;

private:
    std::vector<Step> steps_;
};

class ReferenceObjectTerm : public TermItem {
public:
    TermPath Path;
    ComparisonOperator Operator = ComparisonOperator::Equal;
    ObjectValue Value;
};

class TermGroup : public TermItem {
public:
    TermItemType ItemType = TermItemType::Terms;

    std::shared_ptr<TermGroup> AddGroup(Search::LogicalOperator op = Search::LogicalOperator::And,
                                        TermItemType type = TermItemType::Terms);
    std::shared_ptr<ReferenceObjectTerm> AddTerm();
    // Removes the item from this group; false when it is not here.
    bool Remove(const std::shared_ptr<TermItem>& item);
    const std::vector<std::shared_ptr<TermItem>>& Items() const { return items_; }

private:
    std::vector<std::shared_ptr<TermItem>> items_;
};

class Filter {
public:
    explicit Filter(std::shared_ptr<Model::ReferenceInfo> reference);

    const std::shared_ptr<Model::ReferenceInfo>& ReferenceInfo() const { return reference_; }
    const std::shared_ptr<TermGroup>& Terms() const { return terms_; }

    std::wstring ToString() const;
    // Reads the text form back. Throws ModelException naming the position and what was
    // expected when the text is malformed or names groups or parameters the reference
    // does not have.
    static std::shared_ptr<Filter> Parse(std::shared_ptr<Model::ReferenceInfo> reference, std::wstring_view text);

    friend bool operator==(const Filter& a, const Filter& b);

private:
    std::shared_ptr<Model::ReferenceInfo> reference_;
    std::shared_ptr<TermGroup> terms_;
};

} // namespace Vireo::Arbor::Model::Search
