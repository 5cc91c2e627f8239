#pragma once
// The one exception type of the PDM object model. Its message is meant for users: it
// says what failed and on what (reference, object, parameter or file).

#include <stdexcept>
#include <string>

namespace Vireo::Arbor::Model {

class ModelException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace Vireo::Arbor::Model
