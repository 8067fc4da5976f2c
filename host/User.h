#pragma once
// A user of the office: initials, and what each module keeps for the user.

#include "host/Records.h"

#include <cstdint>
#include <memory>
#include <string>

namespace host {

class HostDatabase;

class User {
public:
    User(std::shared_ptr<HostDatabase> database, RowId id) : m_database(std::move(database)), m_id(id) {}

    RowId id() const { return m_id; }
    std::string initials() const { return record().initials; }
    std::string name() const { return record().name; }

    // The data the module stored for this user; raises NoModuleData while
    // it has stored none.
    Bytes moduleData(std::int32_t moduleId) const;
    void setModuleData(std::int32_t moduleId, const Bytes& data) const;

private:
    UserRecord record() const;

    std::shared_ptr<HostDatabase> m_database;
    RowId m_id;
};

}  // namespace host
