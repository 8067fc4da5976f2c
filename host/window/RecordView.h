#pragma once
// A client's record in the host window: each session with its date, and
// under it the session's actions (date, data type, description, creator).

#include "host/Records.h"

#include <QTreeWidget>

#include <optional>

namespace host {

class Client;
class HostDatabase;

class RecordView : public QTreeWidget {
    Q_OBJECT
public:
    explicit RecordView(QWidget* parent = nullptr);

    // Shows the client's sessions and actions; nothing for nullopt. The
    // current action stays current when it is shown again.
    void showClient(HostDatabase& database, const std::optional<RowId>& client);
    // The action of the current row, if it is an action row.
    std::optional<RowId> currentAction() const;

signals:
    void actionActivated(host::RowId action);
};

}  // namespace host
