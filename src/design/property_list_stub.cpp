#include "design/designs.h"
#include "design/property_list.h"

// Placeholder until the list reader and encoder land.
namespace design {
ListError::ListError(std::string object, std::string entry, std::size_t offset,
                     const std::string& problem)
    : fw::RuntimeException(problem), object_(std::move(object)), entry_(std::move(entry)),
      offset_(offset) {}
void SetProperties(fw::Object&, const Bytes&) {}
}  // namespace design
