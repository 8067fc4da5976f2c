#include "host/com/InstallationObjects.h"

#include "host/com/ObjectSupport.h"

namespace host::objects {

namespace {

using CategoryMember = DispatchMember<IModuleCategory>;
constexpr CategoryMember kCategoryMembers[] = {
    CategoryMember::valueProperty<&IModuleCategory::get_Index>("Index", 1),
    CategoryMember::valueProperty<&IModuleCategory::get_Name>("Name", 2),
};
std::span<const CategoryMember> categoryMembers() { return kCategoryMembers; }

class ModuleCategoryObject final : public Object<Dispatched<IModuleCategory, categoryMembers>> {
public:
    explicit ModuleCategoryObject(CategoryRecord category) : m_category(std::move(category)) {}
    std::int32_t get_Index() override { return m_category.index; }
    std::string get_Name() override { return m_category.name; }

private:
    CategoryRecord m_category;
};

using CategoriesMember = DispatchMember<IModuleCategories>;
constexpr CategoriesMember kCategoriesMembers[] = {
    CategoriesMember::valueProperty<&IModuleCategories::get_Count>("Count", 1),
    CategoriesMember::valueMethod<&IModuleCategories::Item>("Item", DISPID_VALUE),
};
std::span<const CategoriesMember> categoriesMembers() { return kCategoriesMembers; }

// The host's categories, by their index.
class ModuleCategoriesObject final : public Object<Dispatched<IModuleCategories, categoriesMembers>> {
public:
    explicit ModuleCategoriesObject(std::vector<CategoryRecord> categories) : m_categories(std::move(categories)) {}
    std::int32_t get_Count() override { return static_cast<std::int32_t>(m_categories.size()); }
    ComPtr<IModuleCategory> Item(std::int32_t index) override
    {
        for (const CategoryRecord& known : m_categories)
            if (known.index == index) return makeAs<IModuleCategory, ModuleCategoryObject>(known);
        raise(errors::NotFound, "There is no module category " + std::to_string(index));
    }

private:
    std::vector<CategoryRecord> m_categories;
};

using DataTypesMember = DispatchMember<IDataTypeCollection>;
constexpr DataTypesMember kDataTypesMembers[] = {
    DataTypesMember::valueProperty<&IDataTypeCollection::get_Count>("Count", 1),
    DataTypesMember::valueMethod<&IDataTypeCollection::Item>("Item", DISPID_VALUE),
    DataTypesMember::valueProperty<&IDataTypeCollection::get__NewEnum>("_NewEnum", DISPID_NEWENUM),
    DataTypesMember::valueMethod<&IDataTypeCollection::Add>("Add", 2),
};
std::span<const DataTypesMember> dataTypesMembers() { return kDataTypesMembers; }

class DataTypeCollectionObject final : public Object<Dispatched<IDataTypeCollection, dataTypesMembers>> {
public:
    std::int32_t get_Count() override { return static_cast<std::int32_t>(m_items.size()); }
    ComPtr<IDataType> Item(std::int32_t index) override { return at(m_items, index, "data type"); }
    ComPtr<IUnknown> get__NewEnum() override
    {
        return enumeratorOf(m_items, [](const ComPtr<IDataType>& type) { return type; });
    }
    void Add(IDataType* dataType) override
    {
        if (!dataType) raise(platform::com::E_INVALIDARG, "A data type collection takes data types only");
        m_items.emplace_back(dataType);
    }

private:
    std::vector<ComPtr<IDataType>> m_items;
};

using ReplaceableMember = DispatchMember<IReplaceableModule>;
constexpr ReplaceableMember kReplaceableMembers[] = {
    ReplaceableMember::valueProperty<&IReplaceableModule::get_ModuleID, &IReplaceableModule::put_ModuleID>("ModuleID", 1),
};
std::span<const ReplaceableMember> replaceableMembers() { return kReplaceableMembers; }

class ReplaceableModuleObject final : public Object<Dispatched<IReplaceableModule, replaceableMembers>> {
public:
    std::int32_t get_ModuleID() override { return m_moduleId; }
    void put_ModuleID(std::int32_t moduleId) override { m_moduleId = moduleId; }

private:
    std::int32_t m_moduleId = 0;
};

using ReplaceablesMember = DispatchMember<IReplaceableModules>;
constexpr ReplaceablesMember kReplaceablesMembers[] = {
    ReplaceablesMember::valueProperty<&IReplaceableModules::get_Count>("Count", 1),
    ReplaceablesMember::valueMethod<&IReplaceableModules::Item>("Item", DISPID_VALUE),
    ReplaceablesMember::valueMethod<&IReplaceableModules::Add>("Add", 2),
};
std::span<const ReplaceablesMember> replaceablesMembers() { return kReplaceablesMembers; }

class ReplaceableModulesObject final : public Object<Dispatched<IReplaceableModules, replaceablesMembers>> {
public:
    std::int32_t get_Count() override { return static_cast<std::int32_t>(m_items.size()); }
    ComPtr<IReplaceableModule> Item(std::int32_t index) override { return at(m_items, index, "replaceable module"); }
    void Add(IReplaceableModule* module) override
    {
        if (!module) raise(platform::com::E_INVALIDARG, "Only a replaceable module can be added");
        m_items.emplace_back(module);
    }

private:
    std::vector<ComPtr<IReplaceableModule>> m_items;
};

using ModuleMember = DispatchMember<IModule>;
constexpr ModuleMember kModuleMembers[] = {
    ModuleMember::valueProperty<&IModule::get_Category, &IModule::put_Category, &IModule::put_Category>("Category", 1),
    ModuleMember::valueProperty<&IModule::get_Name, &IModule::put_Name>("Name", 2),
    ModuleMember::valueProperty<&IModule::get_CLSID, &IModule::put_CLSID>("CLSID", 3),
    ModuleMember::valueProperty<&IModule::get_ManufacturerID, &IModule::put_ManufacturerID>("ManufacturerID", 4),
    ModuleMember::valueProperty<&IModule::get_LocalID, &IModule::put_LocalID>("LocalID", 5),
    ModuleMember::valueProperty<&IModule::get_Show, &IModule::put_Show>("Show", 6),
    ModuleMember::valueProperty<&IModule::get_LogoPath, &IModule::put_LogoPath>("LogoPath", 7),
    ModuleMember::valueProperty<&IModule::get_HelpFilePath, &IModule::put_HelpFilePath>("HelpFilePath", 8),
    ModuleMember::valueProperty<&IModule::get_CanMake, &IModule::put_CanMake, &IModule::put_CanMake>("CanMake", 9),
    ModuleMember::valueProperty<&IModule::get_CanShow, &IModule::put_CanShow, &IModule::put_CanShow>("CanShow", 10),
    ModuleMember::valueProperty<&IModule::get_PrintHandler, &IModule::put_PrintHandler>("PrintHandler", 11),
    ModuleMember::valueProperty<&IModule::get_ReplaceableModules>("ReplaceableModules", 12),
};
std::span<const ModuleMember> moduleMembers() { return kModuleMembers; }

// What an installer says about its module, kept until it is installed.
class ModuleObject final : public Object<Dispatched<IModule, moduleMembers>> {
public:
    ComPtr<IModuleCategory> get_Category() override { return m_category; }
    void put_Category(IModuleCategory* category) override { m_category = ComPtr(category); }
    std::string get_Name() override { return m_name; }
    void put_Name(std::string name) override { m_name = std::move(name); }
    std::string get_CLSID() override { return m_clsid; }
    void put_CLSID(std::string clsid) override { m_clsid = std::move(clsid); }
    std::int32_t get_ManufacturerID() override { return m_manufacturerId; }
    void put_ManufacturerID(std::int32_t id) override { m_manufacturerId = id; }
    std::int32_t get_LocalID() override { return m_localId; }
    void put_LocalID(std::int32_t id) override { m_localId = id; }
    std::int32_t get_Show() override { return m_show; }
    void put_Show(std::int32_t show) override { m_show = show; }
    std::string get_LogoPath() override { return m_logoPath; }
    void put_LogoPath(std::string path) override { m_logoPath = std::move(path); }
    std::string get_HelpFilePath() override { return m_helpFilePath; }
    void put_HelpFilePath(std::string path) override { m_helpFilePath = std::move(path); }
    ComPtr<IDataTypeCollection> get_CanMake() override { return m_canMake; }
    void put_CanMake(IDataTypeCollection* types) override { m_canMake = ComPtr(types); }
    ComPtr<IDataTypeCollection> get_CanShow() override { return m_canShow; }
    void put_CanShow(IDataTypeCollection* types) override { m_canShow = ComPtr(types); }
    std::string get_PrintHandler() override { return m_printHandler; }
    void put_PrintHandler(std::string clsid) override { m_printHandler = std::move(clsid); }
    ComPtr<IReplaceableModules> get_ReplaceableModules() override { return m_replaceable; }

private:
    ComPtr<IModuleCategory> m_category;
    std::string m_name;
    std::string m_clsid;
    std::int32_t m_manufacturerId = 0;
    std::int32_t m_localId = 0;
    std::int32_t m_show = 0;
    std::string m_logoPath;
    std::string m_helpFilePath;
    ComPtr<IDataTypeCollection> m_canMake;
    ComPtr<IDataTypeCollection> m_canShow;
    std::string m_printHandler;
    ComPtr<IReplaceableModules> m_replaceable = makeAs<IReplaceableModules, ReplaceableModulesObject>();
};

std::vector<DataTypeRecord> dataTypesOf(IDataTypeCollection* collection)
{
    std::vector<DataTypeRecord> types;
    for (std::int32_t index = 1; collection && index <= collection->get_Count(); ++index) {
        const ComPtr<IDataType> type = collection->Item(index);
        types.push_back({type->get_Code(), type->get_Format()});
    }
    return types;
}

// The class id in its standard form; raises E_INVALIDARG for other text.
std::string classIdText(const std::string& text, const char* what)
{
    const auto guid = platform::com::parseGuid(text);
    if (!guid) raise(platform::com::E_INVALIDARG, std::string("The module's ") + what + " \"" + text + "\" is not a class id");
    return platform::com::toString(*guid);
}

}  // namespace

HRESULT createModule(const platform::com::IID& iid, void** object)
{
    return platform::com::createObject<ModuleObject>(iid, object);
}

HRESULT createDataTypeCollection(const platform::com::IID& iid, void** object)
{
    return platform::com::createObject<DataTypeCollectionObject>(iid, object);
}

HRESULT createReplaceableModule(const platform::com::IID& iid, void** object)
{
    return platform::com::createObject<ReplaceableModuleObject>(iid, object);
}

ComPtr<IModuleCategories> moduleCategoriesObject(const std::vector<CategoryRecord>& categories)
{
    return makeAs<IModuleCategories, ModuleCategoriesObject>(categories);
}

ModuleRecord moduleRecordOf(IModule* module)
{
    if (!module) raise(platform::com::E_INVALIDARG, "No module was given to install");
    ModuleRecord record;
    record.name = module->get_Name();
    record.clsid = classIdText(module->get_CLSID(), "class");
    if (const std::string handler = module->get_PrintHandler(); !handler.empty())
        record.printHandler = classIdText(handler, "print handler");
    record.manufacturerId = module->get_ManufacturerID();
    record.localId = module->get_LocalID();
    record.show = module->get_Show();
    if (const ComPtr<IModuleCategory> category = module->get_Category()) record.category = category->get_Index();
    record.logoPath = module->get_LogoPath();
    record.helpFilePath = module->get_HelpFilePath();
    record.canMake = dataTypesOf(module->get_CanMake().get());
    record.canShow = dataTypesOf(module->get_CanShow().get());
    const ComPtr<IReplaceableModules> replaceable = module->get_ReplaceableModules();
    for (std::int32_t index = 1; replaceable && index <= replaceable->get_Count(); ++index)
        record.replaces.push_back(replaceable->Item(index)->get_ModuleID());
    return record;
}

}  // namespace host::objects
