#pragma once
// What installers register with the host, kept in the host database: the
// modules (their classes, identity, name, data types, category, logo, help and
// the modules they replace), the action converters, and the fixed list of
// module categories.

#include "host/HostDatabase.h"
#include "host/Records.h"

#include <optional>
#include <vector>

namespace host {

class ModuleCatalog {
public:
    explicit ModuleCatalog(HostDatabase& database) : m_database(database) {}

    // Stores the module; one installed earlier with the same identity is
    // replaced as a whole.
    void installModule(const ModuleRecord& module);
    std::vector<ModuleRecord> modules();
    std::optional<ModuleRecord> module(std::int32_t identity);

    // Stores the converter; one for the same data type and formats is replaced.
    void installConverter(const ConverterRecord& converter);
    std::vector<ConverterRecord> converters();

    std::vector<CategoryRecord> categories();

private:
    HostDatabase& m_database;
};

}  // namespace host
