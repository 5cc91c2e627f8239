#include "ModelFixture.h"

#include <set>

namespace Vireo::Arbor::Model::Testing {
namespace {

using namespace Example;
using namespace Search;

class SearchTest : public ModelTest {
protected:
    std::set<System::Guid> found(const std::shared_ptr<Filter>& filter)
    {
        auto loader = tools->CreateLoader(filter, nullptr, nullptr);
        loader->Load();
        EXPECT_EQ(loader->State(), LoadState::Loaded);
        std::set<System::Guid> guids;
        for (const auto& object : *loader)
            guids.insert(object->Guid());
        return guids;
    }

    std::shared_ptr<ReferenceObjectTerm> term(TermGroup& terms, LogicalOperator op, const System::Guid& parameter,
                                              ObjectValue value, std::initializer_list<System::Guid> path = {})
    {
        auto t = terms.AddTerm();
        t->LogicalOperator = op;
        for (const auto& groupGuid : path)
            t->Path.AddGroup(group(groupGuid), false);
        auto context = path.size() && group(*path.begin())->IsLinkGroup()
                           ? group(*path.begin())->SlaveGroup()->ReferenceInfo()
                           : tools->ReferenceInfo();
        std::shared_ptr<ParameterInfo> info = parameter == context->Description()->ClassParameterInfo()->Guid()
                                                  ? context->Description()->ClassParameterInfo()
                                                  : nullptr;
        for (auto g : context->Description()->GetAllGroups())
            if (!info)
                info = g->Item(parameter);
        t->Path.AddParameter(info, false);
        t->Operator = ComparisonOperator::Equal;
        t->Value = std::move(value);
        return t;
    }

    std::shared_ptr<Filter> filter() { return std::make_shared<Filter>(tools->ReferenceInfo()); }
};

TEST_P(SearchTest, TermsCombineAsOrWithinAndAndAcrossGroups)
{
    const System::Guid classParameter = tools->ParameterGroup()->ClassParameterInfo()->Guid();
    const struct {
        const char* what;
        std::function<void(Filter&)> build;
        std::set<System::Guid> expected;
    } cases[] = {
        {"no terms", [](Filter&) {}, {SetA, SetB, Drill8, Mill10}},
        {"one value", [&](Filter& f) { term(*f.Terms(), LogicalOperator::And, Name, L"Mill 10"); }, {Mill10}},
        {"text compared with an int parameter",
         [&](Filter& f) { term(*f.Terms(), LogicalOperator::And, Flutes, L"2"); }, {Drill8}},
        {"or within a group",
         [&](Filter& f) {
             auto g = f.Terms()->AddGroup(LogicalOperator::And);
             term(*g, LogicalOperator::Or, Name, L"Mill 10");
             term(*g, LogicalOperator::Or, Name, L"Set A");
             term(*g, LogicalOperator::Or, Name, L"nothing");
         },
         {Mill10, SetA}},
        {"and across groups",
         [&](Filter& f) {
             auto g1 = f.Terms()->AddGroup(LogicalOperator::And);
             term(*g1, LogicalOperator::Or, Name, L"Mill 10");
             term(*g1, LogicalOperator::Or, Name, L"Drill 8");
             auto g2 = f.Terms()->AddGroup(LogicalOperator::And);
             term(*g2, LogicalOperator::Or, Flutes, 4);
         },
         {Mill10}},
        {"class term and a double in another group",
         [&](Filter& f) {
             auto g1 = f.Terms()->AddGroup(LogicalOperator::Or);
             term(*g1, LogicalOperator::And, classParameter, Drill.ToString());
             term(*g1, LogicalOperator::And, Diameter, 8.0);
             auto g2 = f.Terms()->AddGroup(LogicalOperator::Or);
             term(*g2, LogicalOperator::And, classParameter, L"{" + Assembly.ToString() + L"}");
         },
         {Drill8, SetA, SetB}},
        {"path through a link", [&](Filter& f) { term(*f.Terms(), LogicalOperator::And, HolderName, L"HSK 63", {HolderLink}); },
         {Drill8}},
        {"path through a to-many link",
         [&](Filter& f) { term(*f.Terms(), LogicalOperator::And, HolderName, L"SK 40", {Accessories}); }, {Drill8}},
        {"path through a table", [&](Filter& f) { term(*f.Terms(), LogicalOperator::And, Amount, 1.5, {Items}); }, {Drill8}},
        {"a value the parameter cannot hold", [&](Filter& f) { term(*f.Terms(), LogicalOperator::And, Flutes, L"x"); }, {}},
        {"null finds objects without value",
         [&](Filter& f) { term(*f.Terms(), LogicalOperator::And, Coolant, ObjectValue()); }, {SetA, SetB, Mill10}},
    };
    for (const auto& c : cases) {
        auto f = filter();
        c.build(*f);
        EXPECT_EQ(found(f), c.expected) << c.what;
        // The text form reads back into an equal filter that finds the same objects.
        const auto text = f->ToString();
        auto parsed = Filter::Parse(tools->ReferenceInfo(), text);
        EXPECT_TRUE(*parsed == *f) << c.what << ": " << std::string(text.begin(), text.end());
        EXPECT_EQ(parsed->ToString(), text);
        EXPECT_EQ(found(parsed), c.expected) << c.what;
    }
}

TEST_P(SearchTest, TextFormKeepsOperatorsTypesAndFlags)
{
    auto f = filter();
    auto g = f->Terms()->AddGroup(LogicalOperator::Or, TermItemType::Other);
    auto t = term(*g, LogicalOperator::Or, Name, L"say \"hi\"");
    t->Operator = ComparisonOperator::NotEqual;
    term(*g, LogicalOperator::And, Length, 80.0);
    term(*f->Terms(), LogicalOperator::Or, Flutes, 2);
    auto backward = f->Terms()->AddTerm();
    backward->Path.AddParameter(tools->ParameterGroup()->Item(Name), true);
    backward->Value = ObjectValue(L"drill 8");
    const auto text = f->ToString();
    EXPECT_EQ(text, L"OR (#1 OR {" + Name.ToString() + L"} != \"say \"\"hi\"\"\" AND {" + Length.ToString() +
                        L"} = 80.0) OR {" + Flutes.ToString() + L"} = 2 AND {" + Name.ToString() +
                        L"}i = \"drill 8\"");
    EXPECT_TRUE(*Filter::Parse(tools->ReferenceInfo(), text) == *f);
    EXPECT_EQ(found(f), (std::set<System::Guid>{Drill8}));
    EXPECT_TRUE(f->Terms()->Remove(g));
    EXPECT_FALSE(f->Terms()->Remove(g));
    EXPECT_FALSE(*Filter::Parse(tools->ReferenceInfo(), text) == *f);

    const std::pair<std::wstring, std::string> bad[] = {
        {L"{" + Name.ToString() + L"} = ", "position"},
        {L"{" + Name.ToString() + L"} ~ 1", "expected \"=\" or \"!=\""},
        {L"{" + Tag.ToString() + L"} = 1", "a parameter of reference \"Tools\""},
        {L">{" + Name.ToString() + L"}.{" + Name.ToString() + L"} = 1", "a link group or table"},
        {L"({" + Name.ToString() + L"} = 1", "\")\""},
        {L"{nope} = 1", "a GUID"},
        {L"{" + Name.ToString() + L"} = \"open", "closing"},
        {L"(#99999999999999999999 {" + Name.ToString() + L"} = 1)", "a number of at most"},
        {L"(#7 {" + Name.ToString() + L"} = 1)", "a group kind"},
        {L"{" + Name.ToString() + L"} = \"half \xD800 pair\"", "surrogate"},
        {L"{" + Length.ToString() + L"} = nan", "a value"},
        {std::wstring(100000, L'(') + L"{" + Name.ToString() + L"} = 1", "groups inside each other"},
    };
    for (const auto& [text2, message] : bad) {
        try {
            Filter::Parse(tools->ReferenceInfo(), text2);
            ADD_FAILURE() << std::string(text2.begin(), text2.end());
        } catch (const ModelException& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

TEST_P(SearchTest, BackwardLinksFindTheMasters)
{
    auto holderFilter = std::make_shared<Filter>(holders->ReferenceInfo());
    auto t = holderFilter->Terms()->AddTerm();
    t->Path.AddGroup(group(HolderLink), true);
    t->Path.AddParameter(tools->ParameterGroup()->Item(Name));
    t->Value = ObjectValue(L"Drill 8");
    auto loader = holders->CreateLoader(holderFilter, nullptr, nullptr);
    loader->Load();
    ASSERT_EQ(loader->size(), 1u);
    EXPECT_EQ((*loader)[0]->Guid(), HolderHsk);
    EXPECT_TRUE(*Filter::Parse(holders->ReferenceInfo(), holderFilter->ToString()) == *holderFilter);
    EXPECT_THROW(tools->CreateLoader(holderFilter, nullptr, nullptr)->Load(), ModelException);
}

} // namespace
} // namespace Vireo::Arbor::Model::Testing

namespace Vireo::Arbor::Model::Testing {
namespace {

using namespace Example;
using namespace Search;

TEST_P(ModelTest, ChildrenOfAParentCanBeFilteredAndCompared)
{
    auto filter = std::make_shared<Filter>(tools->ReferenceInfo());
    auto notDrill = filter->Terms()->AddTerm();
    notDrill->Path.AddParameter(tools->ParameterGroup()->Item(Name), true);
    notDrill->Operator = ComparisonOperator::NotEqual;
    notDrill->Value = ObjectValue(L"DRILL 8");
    auto loader = tools->CreateLoader(filter, tools->Find(SetA), nullptr);
    loader->Load();
    ASSERT_EQ(loader->size(), 1u);
    EXPECT_EQ((*loader)[0]->Guid(), Mill10);
    EXPECT_EQ((*loader)[0]->GetObjectValue(Flutes.ToString(), false)->ToInt32(), 4);

    auto unsaved = tools->CreateReferenceObject(toolClass(Mill));
    auto none = tools->CreateLoader(nullptr, unsaved, nullptr);
    none->Load();
    EXPECT_EQ(none->State(), LoadState::Loaded);
    EXPECT_EQ(none->size(), 0u);
    auto before = tools->CreateLoader(nullptr, nullptr, nullptr);
    EXPECT_EQ(before->State(), LoadState::NotLoaded);
}

INSTANTIATE_TEST_SUITE_P(Storages, SearchTest, ::testing::ValuesIn(Vireo::Testing::AllStorages()), StorageTestName);

} // namespace
} // namespace Vireo::Arbor::Model::Testing
