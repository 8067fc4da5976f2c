#include "host/ModuleCatalog.h"

#include "platform/sqlite/Transaction.h"

#include <string>

namespace host {

namespace {

namespace sqlite = platform::sqlite;

constexpr const char* kModuleSelect =
    "SELECT id, maker, name, clsid, print_handler, manufacturer_id, local_id, show, category, logo_path, "
    "help_file_path FROM modules";

void insertDataTypes(sqlite::Connection& connection, RowId module, const char* role,
                     const std::vector<DataTypeRecord>& types)
{
    int position = 0;
    for (const DataTypeRecord& type : types)
        connection
            .prepare("INSERT INTO module_data_types(module_id, role, position, code, format) "
                     "VALUES (?1, ?2, ?3, ?4, ?5)")
            .bind(1, module)
            .bind(2, std::string_view(role))
            .bind(3, ++position)
            .bind(4, type.code)
            .bind(5, type.format)
            .run();
}

std::vector<DataTypeRecord> readDataTypes(sqlite::Connection& connection, RowId module, const char* role)
{
    auto statement = connection.prepare(
        "SELECT code, format FROM module_data_types WHERE module_id = ?1 AND role = ?2 ORDER BY position");
    statement.bind(1, module).bind(2, std::string_view(role));
    std::vector<DataTypeRecord> types;
    while (statement.step())
        types.push_back({static_cast<int>(statement.integer(0)), static_cast<int>(statement.integer(1))});
    return types;
}

std::vector<std::int32_t> readReplacements(sqlite::Connection& connection, RowId module)
{
    auto statement = connection.prepare(
        "SELECT replaced_module_id FROM module_replacements WHERE module_id = ?1 ORDER BY position");
    statement.bind(1, module);
    std::vector<std::int32_t> replaced;
    while (statement.step()) replaced.push_back(static_cast<std::int32_t>(statement.integer(0)));
    return replaced;
}

std::vector<ModuleRecord> readModules(sqlite::Connection& connection, sqlite::Statement& statement)
{
    std::vector<ModuleRecord> modules;
    while (statement.step()) {
        const RowId id = statement.integer(0);
        ModuleRecord module;
        module.maker = statement.text(1);
        module.name = statement.text(2);
        module.clsid = statement.text(3);
        module.printHandler = statement.text(4);
        module.manufacturerId = static_cast<std::int32_t>(statement.integer(5));
        module.localId = static_cast<std::int32_t>(statement.integer(6));
        module.show = static_cast<std::int32_t>(statement.integer(7));
        if (const auto category = statement.optionalInteger(8)) module.category = static_cast<int>(*category);
        module.logoPath = statement.text(9);
        module.helpFilePath = statement.text(10);
        module.canMake = readDataTypes(connection, id, "make");
        module.canShow = readDataTypes(connection, id, "show");
        module.replaces = readReplacements(connection, id);
        modules.push_back(std::move(module));
    }
    return modules;
}

}  // namespace

void ModuleCatalog::installModule(const ModuleRecord& module)
{
    m_database.beforeWrite();
    sqlite::Connection& connection = m_database.connection();
    sqlite::Transaction transaction(connection);
    connection.prepare("DELETE FROM modules WHERE manufacturer_id = ?1 AND local_id = ?2")
        .bind(1, module.manufacturerId)
        .bind(2, module.localId)
        .run();
    auto insert = connection.prepare(
        "INSERT INTO modules(maker, name, clsid, print_handler, manufacturer_id, local_id, show, category, "
        "logo_path, help_file_path) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
    insert.bind(1, module.maker)
        .bind(2, module.name)
        .bind(3, module.clsid)
        .bind(4, module.printHandler)
        .bind(5, module.manufacturerId)
        .bind(6, module.localId)
        .bind(7, module.show)
        .bind(9, module.logoPath)
        .bind(10, module.helpFilePath);
    if (module.category)
        insert.bind(8, *module.category);
    else
        insert.bindNull(8);
    insert.run();
    const RowId id = connection.lastInsertRowId();
    insertDataTypes(connection, id, "make", module.canMake);
    insertDataTypes(connection, id, "show", module.canShow);
    int position = 0;
    for (const std::int32_t replaced : module.replaces)
        connection
            .prepare("INSERT INTO module_replacements(module_id, position, replaced_module_id) VALUES (?1, ?2, ?3)")
            .bind(1, id)
            .bind(2, ++position)
            .bind(3, replaced)
            .run();
    transaction.commit();
}

std::vector<ModuleRecord> ModuleCatalog::modules()
{
    auto statement = m_database.connection().prepare(std::string(kModuleSelect) + " ORDER BY id");
    return readModules(m_database.connection(), statement);
}

std::optional<ModuleRecord> ModuleCatalog::module(std::int32_t identity)
{
    for (ModuleRecord& module : modules())
        if (module.identity() == identity) return std::move(module);
    return std::nullopt;
}

void ModuleCatalog::installConverter(const ConverterRecord& converter)
{
    m_database.beforeWrite();
    m_database.connection()
        .prepare("INSERT OR REPLACE INTO action_converters(data_type_code, from_format, to_format, reserved, "
                 "converter_clsid) VALUES (?1, ?2, ?3, ?4, ?5)")
        .bind(1, converter.dataTypeCode)
        .bind(2, converter.fromFormat)
        .bind(3, converter.toFormat)
        .bind(4, converter.reserved)
        .bind(5, converter.converterClsid)
        .run();
}

std::vector<ConverterRecord> ModuleCatalog::converters()
{
    auto statement = m_database.connection().prepare(
        "SELECT data_type_code, from_format, to_format, reserved, converter_clsid FROM action_converters "
        "ORDER BY data_type_code, from_format, to_format");
    std::vector<ConverterRecord> converters;
    while (statement.step())
        converters.push_back({static_cast<int>(statement.integer(0)), static_cast<int>(statement.integer(1)),
                              static_cast<int>(statement.integer(2)), static_cast<std::int32_t>(statement.integer(3)),
                              statement.text(4)});
    return converters;
}

std::vector<CategoryRecord> ModuleCatalog::categories()
{
    auto statement = m_database.connection().prepare("SELECT number, name FROM module_categories ORDER BY number");
    std::vector<CategoryRecord> categories;
    while (statement.step()) categories.push_back({static_cast<int>(statement.integer(0)), statement.text(1)});
    return categories;
}

}  // namespace host
