#pragma once
// The parameters of a CAM object: values keyed by host parameter identifier, in declaration
// order. A value may itself be a group (AggregateValue) with parameters of its own.

#include "platform/cam/Values.h"
#include "platform/zktypes/UniqueIdentifier.h"

#include <memory>
#include <vector>

namespace Vireo::Cam {

class Parameters {
public:
    struct Entry {
        UniqueIdentifier id;
        std::unique_ptr<BaseValue> value;
    };

    // Walks the values in order: MoveNext, then GetId and GetValue of the current one. The
    // values can be changed only through an enumerator of parameters that can be changed.
    template <class Value>
    class BasicEnumerator {
    public:
        explicit BasicEnumerator(const Parameters& parameters) : parameters_(&parameters) {}
        bool MoveNext() noexcept { return ++position_ < parameters_->entries_.size(); }
        const UniqueIdentifier& GetId() const { return parameters_->entries_.at(position_).id; }
        Value* GetValue() const { return parameters_->entries_.at(position_).value.get(); }

    private:
        const Parameters* parameters_;
        std::size_t position_ = static_cast<std::size_t>(-1);
    };
    using Enumerator = BasicEnumerator<const BaseValue>;
    using MutableEnumerator = BasicEnumerator<BaseValue>;

    Parameters() = default;
    Parameters(const Parameters& other);
    Parameters& operator=(const Parameters& other);
    Parameters(Parameters&&) noexcept = default;
    Parameters& operator=(Parameters&&) noexcept = default;
    ~Parameters();

    // The value of a parameter (borrowed), or null when there is none with this identifier.
    BaseValue* GetValue(const UniqueIdentifier& id) noexcept;
    const BaseValue* GetValue(const UniqueIdentifier& id) const noexcept;
    // Sets the value of an existing parameter from a value of the same kind (a double is
    // converted into the parameter's unit). False for an unknown identifier, a value of
    // another kind, or a double of another quantity.
    bool TrySetValue(const UniqueIdentifier& id, const BaseValue& value);

    // Adds a parameter at the end, or replaces the value of an existing one.
    void Add(const UniqueIdentifier& id, std::unique_ptr<BaseValue> value);
    bool Remove(const UniqueIdentifier& id);
    bool Contains(const UniqueIdentifier& id) const noexcept { return GetValue(id) != nullptr; }
    std::size_t GetCount() const noexcept { return entries_.size(); }
    // Room for this many parameters without growing again.
    void Reserve(std::size_t count) { entries_.reserve(count); }

    Enumerator GetEnumerator() const { return Enumerator(*this); }
    MutableEnumerator GetEnumerator() { return MutableEnumerator(*this); }
    std::vector<Entry>::const_iterator begin() const noexcept { return entries_.begin(); }
    std::vector<Entry>::const_iterator end() const noexcept { return entries_.end(); }

private:
    std::vector<Entry> entries_;
};

// A group of parameters held as one value.
class AggregateValue final : public BaseValue {
public:
    AggregateValue() = default;
    explicit AggregateValue(Parameters parameters) : parameters_(std::move(parameters)) {}
    ValueType GetType() const noexcept override { return Aggregate; }
    const AggregateValue* AsAggregate() const noexcept override { return this; }
    Parameters& GetValue() noexcept { return parameters_; }
    const Parameters& GetValue() const noexcept { return parameters_; }
    bool IsEqualTo(const BaseValue& other) const override;
    std::unique_ptr<BaseValue> Clone() const override { return std::make_unique<AggregateValue>(*this); }
    bool Assign(const BaseValue& other) override;

private:
    Parameters parameters_;
};

// An object with parameters. Values are changed in place through the parameters handed out,
// so handing them out for change counts as the change (ParametersWillChange).
class ParametersOwner {
public:
    virtual ~ParametersOwner() = default;
    Parameters& GetParameters()
    {
        ParametersWillChange();
        return parameters_;
    }
    const Parameters& GetParameters() const noexcept { return parameters_; }

protected:
    virtual void ParametersWillChange() const {}

    Parameters parameters_;
};

} // namespace Vireo::Cam
