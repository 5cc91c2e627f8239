#pragma once
// Parameters, values and real parameters in the document text.

#include "platform/cam/Parameters.h"
#include "platform/host/DocumentText.h"
#include "platform/host/ZKObjectID.h"
#include "platform/zktypes/RealParameter.h"

#include <string>
#include <vector>

namespace Vireo::Cam {

// One "param <id> <kind> ..." line per value into `node`; groups nest their parameters.
void SaveParameters(const Parameters& parameters, Host::TextNode& node);
// The parameters of the "param" lines of `node`.
Parameters LoadParameters(const Host::TextNode& node);

// A number and its unit's short name ("-" for none).
std::vector<std::wstring> RealParameterArgs(const zkaux::RealParameter& value);
zkaux::RealParameter ReadRealParameter(const Host::TextNode& node, std::size_t firstArg);

// "key <number> <unit>" under `node`, and its reading.
void SaveReal(Host::TextNode& node, std::wstring key, const zkaux::RealParameter& value);
zkaux::RealParameter LoadReal(const Host::TextNode& node, std::wstring_view key);

// A list of object ids as one line, and its reading.
void SaveIds(Host::TextNode& node, std::wstring key, const std::vector<ZKObjectID>& ids);
std::vector<ZKObjectID> LoadIds(const Host::TextNode& node, std::wstring_view key);
ZKObjectID ReadId(const Host::TextNode& node, std::size_t arg);

} // namespace Vireo::Cam
