#pragma once
// A client of the office: names, number, birth date and sessions.

#include "host/Records.h"
#include "host/Sessions.h"

#include <memory>
#include <optional>
#include <string>

namespace host {

class HostDatabase;

class Client {
public:
    Client(std::shared_ptr<HostDatabase> database, RowId id) : m_database(std::move(database)), m_id(id) {}

    RowId id() const { return m_id; }
    std::string firstName() const { return record().firstName; }
    std::string lastName() const { return record().lastName; }
    std::string middleName() const { return record().middleName; }
    std::string clientNo() const { return record().clientNo; }
    std::optional<Date> birthDate() const { return record().birthDate; }
    Sessions sessions() const { return Sessions(m_database, m_id); }

    // Every value at once.
    ClientRecord record() const;

private:
    std::shared_ptr<HostDatabase> m_database;
    RowId m_id;
};

}  // namespace host
