#pragma once
// The rule set of one or more application datasets: which CAM types map to which PDM
// classes (type rows) and which CAM parameters to which PDM parameters (parameter rows).

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace Vireo::Cam::Pdm {

struct ParamNode;

// Kind of an application type in a rule row; 1 is a CAM object type.
enum class AppDataType : std::int32_t {
    CamObjectType = 1,
};

namespace AppParamType {
// The AppParamType cell text that marks a plain object parameter.
inline constexpr wchar_t Parameter[] = L"Параметр объекта";
} // namespace AppParamType

// Key of one application dataset. Identity is (appCode, datasetGuid); name is carried
// along but takes no part in equality or hashing.
struct AppDataset {
    std::wstring appCode;
    std::wstring name;
    std::wstring datasetGuid;

    friend bool operator==(const AppDataset& a, const AppDataset& b)
    {
        return a.appCode == b.appCode && a.datasetGuid == b.datasetGuid;
    }
};

struct AppDatasetHash {
    std::size_t operator()(const AppDataset& dataset) const noexcept;
};

// One type-mapping row.
struct Types {
    std::wstring appType;
    AppDataType appDataType;
    std::wstring appDataTypeValue;
    std::wstring plmType;
    std::vector<std::wstring> plmTagGroups;
    std::wstring plmTag;
    std::wstring plmTagValue;
};

// One parameter-mapping row.
struct Parameters {
    std::wstring paramName;
    std::wstring appType;
    std::wstring appParamType;
    std::wstring appParam;
    std::wstring plmType;
    std::vector<std::wstring> plmTagGroups;
    std::wstring plmTag;
    std::wstring plmTagValue;
    std::vector<std::wstring> plmParamGroups;
    std::wstring plmParam;
    std::int32_t order = 0;
    bool appVisible = true;
    bool plmVisible = true;
};

class IntegrationRules {
public:
    using TypesMap = std::unordered_map<AppDataset, std::vector<Types>, AppDatasetHash>;
    using ParamsMap = std::unordered_map<AppDataset, std::vector<Parameters>, AppDatasetHash>;

    // Adds a row to the dataset's rows; the first row of a dataset keeps its key (and name).
    void AddType(const AppDataset& dataset, Types row);
    void AddParam(const AppDataset& dataset, Parameters row);

    // Key fields are arguments 1, 2 and 6; the rest make the row.
    void AddTypes(const std::wstring& appCode, const std::wstring& name, const std::wstring& appType,
                  AppDataType appDataType, const std::wstring& appDataTypeValue,
                  const std::wstring& datasetGuid, const std::wstring& plmType,
                  const std::vector<std::wstring>& plmTagGroups, const std::wstring& plmTag,
                  const std::wstring& plmTagValue);

    // Key fields are arguments 2, 3 and 7; the rest make the row.
    void AddParams(const std::wstring& paramName, const std::wstring& appCode, const std::wstring& name,
                   const std::wstring& appType, const std::wstring& appParamType,
                   const std::wstring& appParam, const std::wstring& datasetGuid,
                   const std::wstring& plmType, const std::vector<std::wstring>& plmTagGroups,
                   const std::wstring& plmTag, const std::wstring& plmTagValue,
                   const std::vector<std::wstring>& plmParamGroups, const std::wstring& plmParam,
                   std::int32_t order, bool appVisible, bool plmVisible);

    TypesMap& GetTypes() { return types; }
    const TypesMap& GetTypes() const { return types; }
    ParamsMap& GetParams()
    {
        paramTrees.clear();
        return params;
    }
    const ParamsMap& GetParams() const { return params; }
    // The tree of the dataset's parameter rows (BuildParamTree), built at the first call and
    // kept until the rows are changed: every object a run compares or updates walks the same
    // tree. Throws std::out_of_range when the dataset has no parameter rows.
    const ParamNode& GetParamTree(const AppDataset& dataset) const;

    const std::wstring& GetUploadFolder() const { return uploadFolder; }
    void SetUploadFolder(std::wstring folder) { uploadFolder = std::move(folder); }

private:
    TypesMap types;
    ParamsMap params;
    std::wstring uploadFolder;
    // Copies share the trees; they never change once built.
    mutable std::unordered_map<AppDataset, std::shared_ptr<const ParamNode>, AppDatasetHash> paramTrees;
};

} // namespace Vireo::Cam::Pdm
