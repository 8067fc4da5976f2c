#pragma once
// What the host database stores, one plain record per row kind.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace host {

using RowId = std::int64_t;
using Bytes = std::vector<std::uint8_t>;

// A date as the host keeps it: days since 30 December 1899, the time of day
// as the fraction (the runtime's date value). Stored as the exact double.
using Date = double;

// The identity a module gives the host: manufacturer id in the high word,
// the module's local id in the low word.
constexpr std::int32_t moduleIdentity(std::int32_t manufacturerId, std::int32_t localId)
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(manufacturerId) << 16) |
                                     (static_cast<std::uint32_t>(localId) & 0xFFFF));
}

struct UserRecord {
    RowId id = 0;
    std::string initials{};
    std::string name{};
};

struct ClientRecord {
    RowId id = 0;
    std::string firstName{};
    std::string middleName{};
    std::string lastName{};
    std::string clientNo{};
    std::optional<Date> birthDate{};
};

// The id of the visit that the host has chosen for the module but not made
// yet: the module's first action makes it (HostContext::openSession).
inline constexpr RowId kSessionToOpen = 0;

struct SessionRecord {
    RowId id = 0;
    RowId clientId = 0;
    int index = 0;  // 1-based position among the client's sessions
    Date date = 0;
};

struct ActionRecord {
    RowId id = 0;
    RowId sessionId = 0;
    int index = 0;  // 1-based position among the session's actions
    int dataTypeCode = 0;
    int dataFormat = 0;
    std::optional<Bytes> publicData{};  // nullopt: no data (a null value)
    std::optional<Bytes> privateData{};
    Date dateCreated = 0;
    Date lastModified = 0;
    Date timeStamp = 0;
    std::int32_t creatorModuleId = 0;
    std::string description{};
    std::string userInitials{};
    // How often the stored action was changed: a writer that remembers it
    // sees whether someone else changed the action since.
    std::int64_t revision = 0;
};

// The fields of a stored action that can be changed one at a time.
enum class ActionField {
    DataTypeCode,
    DataFormat,
    PublicData,
    PrivateData,
    DateCreated,
    LastModified,
    TimeStamp,
    CreatorModuleId,
    Description,
    UserInitials,
};

struct DataTypeRecord {
    int code = 0;
    int format = 0;
    friend bool operator==(const DataTypeRecord&, const DataTypeRecord&) = default;
};

struct ModuleRecord {
    std::string maker{};  // the maker's short name given at installation
    std::string name{};
    std::string clsid{};         // the module's document class, "{...}"
    std::string printHandler{};  // the class of its combined-report handler, "{...}" or empty
    std::int32_t manufacturerId = 0;
    std::int32_t localId = 0;
    std::int32_t show = 0;
    std::optional<int> category{};  // index of a module category
    std::string logoPath{};
    std::string helpFilePath{};
    std::vector<DataTypeRecord> canMake{};
    std::vector<DataTypeRecord> canShow{};
    std::vector<std::int32_t> replaces{};  // identities of modules that this one replaces

    std::int32_t identity() const { return moduleIdentity(manufacturerId, localId); }
};

struct ConverterRecord {
    int dataTypeCode = 0;
    int fromFormat = 0;
    int toFormat = 0;
    std::int32_t reserved = 0;
    std::string converterClsid{};
    friend bool operator==(const ConverterRecord&, const ConverterRecord&) = default;
};

struct CategoryRecord {
    int index = 0;
    std::string name{};
};

}  // namespace host
