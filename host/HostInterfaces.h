#pragma once
// The host's objects as a module sees them: component objects created by
// class id, called through these interfaces or late-bound by name through
// dispatch. A module includes this header only; it never links the host.
//
//     ComPtr<IModuleServer> server;
//     createInstance(kModuleServerClsid, server);
//     const ComPtr<IClient> client = server->get_CurrentClient();  // null: no client is selected
//     const std::string name = client->get_FirstName();
//
// Members return their value and raise their failures as
// platform::runtime::RuntimeError (number and description), which a dispatch
// caller receives as DISP_E_EXCEPTION with the same number and description.
// An object that is not there is a null reference. Collections count from 1.

#include "platform/com/ComPtr.h"
#include "platform/com/Dispatch.h"
#include "platform/com/HResult.h"
#include "platform/runtime/Variant.h"

#include <cstdint>
#include <string>

namespace host {

using platform::com::ComPtr;
using platform::com::IDispatch;
using platform::com::IUnknown;
using platform::com::makeGuid;

inline constexpr platform::com::CLSID kModuleServerClsid = makeGuid("{AE4E7582-1928-11D1-A463-00C04FC2A4C0}");
// A new action, to be filled and added to a session's actions.
inline constexpr platform::com::CLSID kActionClsid = makeGuid("{25F63580-1A9A-4667-B327-FBC0B62C1613}");

// The number of the failure that a write raises when the disk that holds
// the host's data is full, so that a module can tell the user the cause.
inline constexpr std::int32_t kDiskFullError = platform::com::hresult(0x80040207);

class IAction;
class IActions;
class IClient;
class IDataType;
class ISession;
class IUser;

// What an action's data holds (Code) and in which format (Format).
class IDataType : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{DB58AAFA-5511-11D1-A4BD-00C04FC2A4C0}");
    using Base = IDispatch;
    virtual std::int32_t get_Code() = 0;
    virtual void put_Code(std::int32_t code) = 0;
    virtual std::int32_t get_Format() = 0;
    virtual void put_Format(std::int32_t format) = 0;

protected:
    ~IDataType() = default;
};

// The actions an action refers to.
class ILinkedActions : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{B4177916-4F6C-4251-AC13-BB64916E1ECC}");
    using Base = IDispatch;
    virtual std::int32_t get_Count() = 0;
    virtual ComPtr<IAction> Item(std::int32_t index) = 0;
    // An IEnumVARIANT over the actions.
    virtual ComPtr<IUnknown> get__NewEnum() = 0;

protected:
    ~ILinkedActions() = default;
};

// One action of a session. A new one (kActionClsid) keeps its values until
// it is added to a session; a stored one stores every change at once.
class IAction : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{1B9D27B2-066F-4A2C-8E23-A5A84F53DCE0}");
    using Base = IDispatch;
    virtual platform::runtime::Date get_DateCreated() = 0;
    virtual void put_DateCreated(platform::runtime::Date date) = 0;
    virtual platform::runtime::Date get_LastModified() = 0;
    virtual std::string get_UserInitials() = 0;
    virtual ComPtr<IDataType> get_DataType() = 0;
    virtual std::string get_Description() = 0;
    virtual void put_Description(std::string description) = 0;
    virtual ComPtr<ILinkedActions> get_LinkedActions() = 0;
    // A Byte array, or Null for no data; a put takes the same (anything else
    // raises a type mismatch).
    virtual platform::runtime::Variant get_PublicData() = 0;
    virtual void put_PublicData(platform::runtime::Variant data) = 0;
    virtual platform::runtime::Variant get_PrivateData() = 0;
    virtual void put_PrivateData(platform::runtime::Variant data) = 0;
    // Its position in its session; raises while the action is new.
    virtual std::int32_t get_index() = 0;
    // The actions of its session, itself included; raises while the action is new.
    virtual ComPtr<IActions> get_ParentActions() = 0;
    virtual std::int32_t get_CreatorModuleID() = 0;
    // Equal time stamps bind actions into one document; kept exactly.
    virtual platform::runtime::Date get_TimeStamp() = 0;
    virtual void put_TimeStamp(platform::runtime::Date timeStamp) = 0;
    // Grows with every change stored to the action, by any writer: a module
    // that remembers it sees whether someone else changed the action since.
    // 0 while the action is new.
    virtual std::int32_t get_Revision() = 0;

protected:
    ~IAction() = default;
};

// The actions of one session, in the order they were added.
class IActions : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{B9A9DE9D-565E-4539-AB95-84E331558BAD}");
    using Base = IDispatch;
    virtual std::int32_t get_Count() = 0;
    virtual ComPtr<IAction> Item(std::int32_t index) = 0;
    // Stores a new action at the end of the session and gives the stored
    // action back (the host fills in creator, initials and dates).
    virtual ComPtr<IAction> Add(IAction* action) = 0;
    virtual ComPtr<ISession> get_Parent() = 0;
    virtual ComPtr<IUnknown> get__NewEnum() = 0;

protected:
    ~IActions() = default;
};

class ISession : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{C708230E-E9BC-4D6B-82A4-CC3361BC9FD6}");
    using Base = IDispatch;
    virtual ComPtr<IActions> get_Actions() = 0;
    // Its position among the client's sessions.
    virtual std::int32_t get_index() = 0;

protected:
    ~ISession() = default;
};

// The sessions of one client, oldest first.
class ISessions : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{C97D908B-2F68-471D-AD89-4CF301221F18}");
    using Base = IDispatch;
    virtual std::int32_t get_Count() = 0;
    virtual ComPtr<ISession> Item(std::int32_t index) = 0;
    virtual ComPtr<IUnknown> get__NewEnum() = 0;

protected:
    ~ISessions() = default;
};

class IClient : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{87712FED-2225-457A-B91E-966B10F6B13E}");
    using Base = IDispatch;
    virtual std::string get_FirstName() = 0;
    virtual std::string get_LastName() = 0;
    virtual std::string get_MiddleName() = 0;
    virtual std::string get_ClientNo() = 0;
    // A Date, or Null when the birth date is not known.
    virtual platform::runtime::Variant get_BirthDate() = 0;
    virtual ComPtr<ISessions> get_Sessions() = 0;

protected:
    ~IClient() = default;
};

class IUser : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{8E1AC3FE-FEC9-4FA9-BBA4-31630A833703}");
    using Base = IDispatch;
    virtual std::string get_Initials() = 0;
    // The module's data for this user, a Byte array; raises while the module
    // has stored none. A put takes a Byte array.
    virtual platform::runtime::Variant get_ModuleData() = 0;
    virtual void put_ModuleData(platform::runtime::Variant data) = 0;

protected:
    ~IUser() = default;
};

class IModuleServer : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{E7D5F608-B507-48D4-8E35-7B3A1211AB7F}");
    using Base = IDispatch;
    virtual ComPtr<IClient> get_CurrentClient() = 0;
    virtual ComPtr<IUser> get_CurrentUser() = 0;
    virtual ComPtr<ISession> get_CurrentSession() = 0;
    // 0: the system's user language.
    virtual std::int32_t get_LanguageID() = 0;
    // The action the host asks the module (by its identity) to show, or
    // null; context and spare (each may be null) are Empty.
    virtual void GetShowAction(std::int32_t moduleId, platform::runtime::Variant* context, IAction** action,
                                  platform::runtime::Variant* spare) = 0;
    // The action whose report the host prints, or null; context is Empty.
    virtual void GetPrintAction(std::int32_t moduleId, platform::runtime::Variant* context, IAction** action) = 0;
    // Holds every write that follows, through any of the host's objects, in
    // one transaction: CommitTransaction stores them all at once;
    // RollbackTransaction, a failed commit, or the end of the process before
    // the commit drops them all, the visit the first added action opened
    // included. Other writers wait meanwhile. One transaction at a time.
    virtual void BeginTransaction() = 0;
    virtual void CommitTransaction() = 0;
    // Never fails; does nothing when no transaction is open.
    virtual void RollbackTransaction() = 0;

protected:
    ~IModuleServer() = default;
};

// The host's print object in a combined report.
class TavoPrint : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{6BD9B71D-F2FF-413B-9C64-D4A6EB69F9D5}");
    using Base = IDispatch;
    // The printer device context and the module's rectangle on the page, in device pixels.
    virtual void GetPrintArea(std::int32_t* hdc, std::int32_t* left, std::int32_t* top, std::int32_t* right,
                                 std::int32_t* bottom) = 0;

protected:
    ~TavoPrint() = default;
};

// What a module's print handler implements: the host creates it by the class
// id the module registered as its print handler and calls Print once per
// combined report, with the page already started. A raised failure ends the
// host's report.
class IModulePrint : public IDispatch {
public:
    static constexpr platform::com::IID iid = makeGuid("{7A94B743-4D03-42A5-928E-01DF8E196F8C}");
    using Base = IDispatch;
    virtual void Print(IDispatch* tavoPrint) = 0;

protected:
    ~IModulePrint() = default;
};

}  // namespace host
