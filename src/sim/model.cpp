#include "sim/model.h"

#include <ostream>
#include <stdexcept>

namespace ft817::sim {

const RadioModel& Model::layout() const
{
    const RadioModel* row = radioModelNamed(m_commandName);
    if (!row)
        throw std::logic_error("no radio model is called " + std::string(m_commandName));
    return *row;
}

int Model::row() const
{
    return static_cast<int>(&layout() - knownRadioModels().data());
}

std::ostream& operator<<(std::ostream& out, const Model& model)
{
    return out << model.commandName();
}

const std::vector<Model>& allModels()
{
    static const std::vector<Model> models = [] {
        std::vector<Model> all;
        for (const RadioModel& row : knownRadioModels())
            all.push_back(Model::ofRow(row));
        return all;
    }();
    return models;
}

std::string modelName(Model model)
{
    return std::string(model.commandName());
}

std::optional<Model> modelNamed(std::string_view name)
{
    const RadioModel* row = radioModelNamed(name);
    if (!row)
        return std::nullopt;
    return Model::ofRow(*row);
}

const RadioModel& modelLayout(Model model)
{
    return model.layout();
}

std::vector<int> modelPayloadLengths(Model model)
{
    return model.layout().payloadLengths;
}

} // namespace ft817::sim
