#include "platform/cam/Parameters.h"

#include <algorithm>

namespace Vireo::Cam {

Parameters::Parameters(const Parameters& other)
{
    entries_.reserve(other.entries_.size());
    for (const Entry& entry : other.entries_)
        entries_.push_back({entry.id, entry.value->Clone()});
}

Parameters& Parameters::operator=(const Parameters& other)
{
    if (this != &other)
        *this = Parameters(other);
    return *this;
}

Parameters::~Parameters() = default;

BaseValue* Parameters::GetValue(const UniqueIdentifier& id) noexcept
{
    return const_cast<BaseValue*>(std::as_const(*this).GetValue(id));
}

const BaseValue* Parameters::GetValue(const UniqueIdentifier& id) const noexcept
{
    if (id.IsEmpty())
        return nullptr;
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.id == id; });
    return found == entries_.end() ? nullptr : found->value.get();
}

bool Parameters::TrySetValue(const UniqueIdentifier& id, const BaseValue& value)
{
    BaseValue* target = GetValue(id);
    return target && target != &value && target->GetType() == value.GetType() && target->Assign(value);
}

void Parameters::Add(const UniqueIdentifier& id, std::unique_ptr<BaseValue> value)
{
    if (id.IsEmpty() || !value)
        return;
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.id == id; });
    if (found != entries_.end())
        found->value = std::move(value);
    else
        entries_.push_back({id, std::move(value)});
}

bool Parameters::Remove(const UniqueIdentifier& id)
{
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.id == id; });
    if (found == entries_.end())
        return false;
    entries_.erase(found);
    return true;
}

bool AggregateValue::IsEqualTo(const BaseValue& other) const
{
    const AggregateValue* typed = other.AsAggregate();
    if (!typed || typed->parameters_.GetCount() != parameters_.GetCount())
        return false;
    return std::equal(parameters_.begin(), parameters_.end(), typed->parameters_.begin(),
                      [](const Parameters::Entry& a, const Parameters::Entry& b) {
                          return a.id == b.id && a.value->IsEqualTo(*b.value);
                      });
}

bool AggregateValue::Assign(const BaseValue& other)
{
    const AggregateValue* typed = other.AsAggregate();
    if (typed && typed != this)
        parameters_ = typed->parameters_;
    return typed != nullptr;
}

} // namespace Vireo::Cam
