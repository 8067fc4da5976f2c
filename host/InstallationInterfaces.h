#pragma once
// The host's installation objects: what an installer uses to register a
// module (its document class, print handler, identity, name, data types,
// category, logo, help, the module it replaces) and action converters.
// Created by class id; the rules of HostInterfaces.h hold (members return
// their value and raise their failures).

#include "host/HostInterfaces.h"

namespace host {

inline constexpr platform::com::CLSID kActionConverterInstallationServerClsid =
    makeGuid("{54E3D666-5B99-11D3-A734-0080C84DE8B9}");
inline constexpr platform::com::CLSID kModuleInstallationServerClsid =
    makeGuid("{DB58AAF5-5511-11D1-A4BD-00C04FC2A4C0}");
inline constexpr platform::com::CLSID kDataTypeClsid = makeGuid("{DB58AAFB-5511-11D1-A4BD-00C04FC2A4C0}");
inline constexpr platform::com::CLSID kDataTypeCollectionClsid = makeGuid("{DB58AAFD-5511-11D1-A4BD-00C04FC2A4C0}");
inline constexpr platform::com::CLSID kModuleClsid = makeGuid("{DB58AAF7-5511-11D1-A4BD-00C04FC2A4C0}");
inline constexpr platform::com::CLSID kReplaceableModuleClsid = makeGuid("{F7A114A3-7FFF-11D4-A89F-0080C84DE8B9}");

class IActionConverterInstallationServer : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{54E3D665-5B99-11D3-A734-0080C84DE8B9}");
    using Base = IDispatch;
    // Installs the converter class (a "{...}" class id) that turns actions of
    // the data type from one format into another; replaces one installed for
    // the same data type and formats.
    virtual void InstallConverter(std::int32_t dataTypeCode, std::int32_t fromFormat, std::int32_t toFormat,
                                     std::int32_t reserved, std::string converterClsid) = 0;
    virtual void Initialize() = 0;

protected:
    ~IActionConverterInstallationServer() = default;
};

// A kind of module that the host groups its modules by.
class IModuleCategory : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{A76284D6-6793-4E66-906F-9EC683CE6AEE}");
    using Base = IDispatch;
    virtual std::int32_t get_Index() = 0;
    virtual std::string get_Name() = 0;

protected:
    ~IModuleCategory() = default;
};

class IModuleCategories : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{7218C984-413F-476E-AEC2-A62C909A7AF0}");
    using Base = IDispatch;
    virtual std::int32_t get_Count() = 0;
    virtual ComPtr<IModuleCategory> Item(std::int32_t index) = 0;

protected:
    ~IModuleCategories() = default;
};

class IDataTypeCollection : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{DB58AAFC-5511-11D1-A4BD-00C04FC2A4C0}");
    using Base = IDispatch;
    virtual std::int32_t get_Count() = 0;
    virtual ComPtr<IDataType> Item(std::int32_t index) = 0;
    virtual ComPtr<IUnknown> get__NewEnum() = 0;
    virtual void Add(IDataType* dataType) = 0;

protected:
    ~IDataTypeCollection() = default;
};

// A module of an earlier host generation that a module replaces.
class IReplaceableModule : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{F7A114A1-7FFF-11D4-A89F-0080C84DE8B9}");
    using Base = IDispatch;
    virtual std::int32_t get_ModuleID() = 0;
    virtual void put_ModuleID(std::int32_t moduleId) = 0;

protected:
    ~IReplaceableModule() = default;
};

class IReplaceableModules : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{33554408-7423-4D51-BECE-60DAA803C63B}");
    using Base = IDispatch;
    virtual std::int32_t get_Count() = 0;
    virtual ComPtr<IReplaceableModule> Item(std::int32_t index) = 0;
    virtual void Add(IReplaceableModule* module) = 0;

protected:
    ~IReplaceableModules() = default;
};

// The description of a module, filled by an installer and handed to
// IModuleInstallationServer::InstallModule.
class IModule : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{DB58AAF6-5511-11D1-A4BD-00C04FC2A4C0}");
    using Base = IDispatch;
    virtual ComPtr<IModuleCategory> get_Category() = 0;
    virtual void put_Category(IModuleCategory* category) = 0;
    virtual std::string get_Name() = 0;
    virtual void put_Name(std::string name) = 0;
    // The module's document class, "{...}".
    virtual std::string get_CLSID() = 0;
    virtual void put_CLSID(std::string clsid) = 0;
    virtual std::int32_t get_ManufacturerID() = 0;
    virtual void put_ManufacturerID(std::int32_t id) = 0;
    virtual std::int32_t get_LocalID() = 0;
    virtual void put_LocalID(std::int32_t id) = 0;
    virtual std::int32_t get_Show() = 0;
    virtual void put_Show(std::int32_t show) = 0;
    virtual std::string get_LogoPath() = 0;
    virtual void put_LogoPath(std::string path) = 0;
    virtual std::string get_HelpFilePath() = 0;
    virtual void put_HelpFilePath(std::string path) = 0;
    virtual ComPtr<IDataTypeCollection> get_CanMake() = 0;
    virtual void put_CanMake(IDataTypeCollection* dataTypes) = 0;
    virtual ComPtr<IDataTypeCollection> get_CanShow() = 0;
    virtual void put_CanShow(IDataTypeCollection* dataTypes) = 0;
    // The class of its combined-report handler, "{...}".
    virtual std::string get_PrintHandler() = 0;
    virtual void put_PrintHandler(std::string clsid) = 0;
    virtual ComPtr<IReplaceableModules> get_ReplaceableModules() = 0;

protected:
    ~IModule() = default;
};

class IModuleInstallationServer : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{DB58AAF4-5511-11D1-A4BD-00C04FC2A4C0}");
    using Base = IDispatch;
    // Stores the module under the maker's short name; a module installed
    // before with the same identity is replaced. Raises E_INVALIDARG when its
    // class or print handler is not a class id.
    virtual void InstallModule(std::string maker, IModule* module) = 0;
    virtual void Initialize() = 0;
    virtual ComPtr<IModuleCategories> get_ModuleCategories() = 0;

protected:
    ~IModuleInstallationServer() = default;
};

}  // namespace host
