#include "pdm/rules/ParamNode.h"

namespace Vireo::Cam::Pdm {

ParamNode BuildParamTree(const std::vector<Parameters>& rows)
{
    ParamNode root;
    for (const Parameters& row : rows) {
        if (row.plmParamGroups.empty())
            continue;
        ParamNode* node = &root;
        for (const std::wstring& group : row.plmParamGroups)
            node = &node->children[group];
        node->params.push_back(row);
    }
    return root;
}

const ParamNode& IntegrationRules::GetParamTree(const AppDataset& dataset) const
{
    auto& tree = paramTrees[dataset];
    if (!tree)
        tree = std::make_shared<const ParamNode>(BuildParamTree(params.at(dataset)));
    return *tree;
}

} // namespace Vireo::Cam::Pdm
