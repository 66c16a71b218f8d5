#pragma once
// One radio's parameter files as read, whatever its family. Each family keeps its own
// records here by their type (its parameter file, its model file), so that the settings,
// the Radio Setup and the command sets carry a radio's files without knowing the families.
#include <any>
#include <map>
#include <typeindex>
#include <typeinfo>
#include <utility>

namespace orbivox {

class RadioFiles {
public:
    // The record of type T, default until it is set or first written.
    template <class T>
    T& Get() {
        std::any& held = records_[std::type_index(typeid(T))];
        if (!held.has_value()) {
            held = T{};
        }
        return std::any_cast<T&>(held);
    }
    template <class T>
    const T& Get() const {
        const auto found = records_.find(std::type_index(typeid(T)));
        if (found == records_.end()) {
            static const T kDefault{};
            return kDefault;
        }
        return std::any_cast<const T&>(found->second);
    }
    template <class T>
    void Set(T record) {
        records_[std::type_index(typeid(T))] = std::move(record);
    }

private:
    std::map<std::type_index, std::any> records_;
};

}  // namespace orbivox
