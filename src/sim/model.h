#pragma once
// The model a simulated radio is: a row of the table of known radios
// (radio_model.h), which holds everything a model differs in. A model is
// known by the name the command line gives its row; the constants name the
// rows the tool's own tests and benchmarks pick by hand, and allModels()
// lists every row, so a model added to the table is a model here too.

#include "image/radio_model.h"

#include <compare>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ft817::sim {

class Model {
public:
    static const Model FT817;
    static const Model FT817ND;
    static const Model FT817NDUS;
    static const Model FT818;
    static const Model FT818NDUS;

    // The model of a row of the table of known radios.
    static Model ofRow(const RadioModel& row) { return Model(row.commandName); }

    // The row of the table: the radio's name, its block layout and all else.
    const RadioModel& layout() const;
    // The row's place in the table.
    int row() const;
    // As the command line spells it ("ft817nd-us").
    std::string_view commandName() const { return m_commandName; }

    friend bool operator==(const Model& a, const Model& b) { return a.m_commandName == b.m_commandName; }
    // In the table's order.
    friend std::strong_ordering operator<=>(const Model& a, const Model& b) { return a.row() <=> b.row(); }

private:
    constexpr explicit Model(std::string_view commandName) : m_commandName(commandName) {}

    std::string_view m_commandName;
};

inline constexpr Model Model::FT817{"ft817"};
inline constexpr Model Model::FT817ND{"ft817nd"};
inline constexpr Model Model::FT817NDUS{"ft817nd-us"};
inline constexpr Model Model::FT818{"ft818"};
inline constexpr Model Model::FT818NDUS{"ft818nd-us"};

// Prints the command-line name (test output).
std::ostream& operator<<(std::ostream& out, const Model& model);

// Every model, in the order of the table of known radios.
const std::vector<Model>& allModels();

// The model's name as the command line spells it (ft817, ft817nd, ft817nd-us, ft818, ft818nd-us).
std::string modelName(Model model);

// The model the command line calls this, if any.
std::optional<Model> modelNamed(std::string_view name);

// The radio's own name and layout ("FT-818ND (US)").
const RadioModel& modelLayout(Model model);

// Payload lengths of every clone block of a model, in transfer order.
std::vector<int> modelPayloadLengths(Model model);

} // namespace ft817::sim
