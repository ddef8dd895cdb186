#include "forms/block_values.h"

#include <array>

#include "engine/simulation.h"
#include "model/terminal_links.h"

namespace quorvane {

namespace {

constexpr std::array<std::pair<BlockValueField, std::string_view>, 6> FieldNames{{
    {BlockValueField::K1, "K1"},
    {BlockValueField::K2, "K2"},
    {BlockValueField::K3, "K3"},
    {BlockValueField::IC, "IC"},
    {BlockValueField::Low, "Low"},
    {BlockValueField::High, "High"},
}};

bool IsConstant(BlockValueField field) { return static_cast<int>(field) <= 3; }
std::size_t ConstantIndex(BlockValueField field) { return static_cast<std::size_t>(field) - 1; }

}  // namespace

std::string_view BlockFieldName(BlockValueField field) {
    for (const auto& [f, name] : FieldNames) {
        if (f == field) return name;
    }
    return {};
}

std::string BlockFieldNames() {
    std::string names;
    for (const auto& entry : FieldNames) names += (names.empty() ? "" : ", ") + std::string(entry.second);
    return names;
}

std::optional<BlockValueField> FindBlockField(std::string_view name) {
    for (const auto& [field, text] : FieldNames) {
        if (text == name) return field;
    }
    return std::nullopt;
}

std::optional<BlockAssignment> ParseBlockAssignment(std::string_view text) {
    const auto equals = text.rfind('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const auto dot = text.substr(0, equals).rfind('.');
    if (dot == std::string_view::npos || dot == 0) return std::nullopt;
    const auto field = FindBlockField(text.substr(dot + 1, equals - dot - 1));
    if (!field) return std::nullopt;
    return BlockAssignment{std::string(text.substr(0, dot)), *field, std::string(text.substr(equals + 1))};
}

std::string BlockTargetName(const std::string& title, BlockValueField field) {
    return title + "." + std::string(BlockFieldName(field));
}

std::vector<int> BlocksTitled(const Simulation& sim, int form, std::string_view title) {
    std::vector<int> blocks;
    const SimulationForm& sheet = sim.Forms[form];
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        if (sheet.Blocks[b].Title == title) blocks.push_back(b);
    }
    return blocks;
}

bool HasBlockField(const Simulation& sim, int form, int block, BlockValueField field) {
    const int code = sim.Forms[form].Blocks[block].FunctionCode;
    if (!HasAdjustableProperties(code) || IsTerminalLink(code)) return false;
    const BlockPropertiesFields shown = ActivateBlockProperties(sim, form, block);
    if (IsConstant(field)) {
        const std::size_t i = ConstantIndex(field);
        return shown.ConstantsVisible && shown.ConstantVisible[i] && shown.ConstantEnabled[i];
    }
    if (field == BlockValueField::IC) return shown.InitialVisible;
    return shown.SaturationVisible;
}

BlockStoreResult SetBlockValue(Simulation& sim, int form, int block, BlockValueField field, const std::string& value) {
    BlockPropertiesFields fields = ActivateBlockProperties(sim, form, block);
    if (IsConstant(field)) fields.Constant[ConstantIndex(field)] = value;
    else if (field == BlockValueField::IC) fields.InitialCondition = value;
    else if (field == BlockValueField::Low) fields.Low = value;
    else fields.High = value;
    return StoreBlockProperties(sim, fields);
}

}  // namespace quorvane
