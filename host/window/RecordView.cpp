#include "host/window/RecordView.h"

#include "host/HostDatabase.h"
#include "host/ModuleCatalog.h"
#include "host/window/DateConversion.h"

#include <QHeaderView>

#include <array>
#include <map>

namespace host {

namespace {

constexpr int kActionRole = Qt::UserRole + 1;

struct DataTypeName {
    int code;
    const char* name;
};

constexpr std::array<DataTypeName, 3> kDataTypeNames{{
    {1, "Audiogram"},
    {15, "Impedance, left ear"},
    {16, "Impedance, right ear"},
}};

QString dataTypeName(int code)
{
    for (const DataTypeName& known : kDataTypeNames)
        if (known.code == code) return QObject::tr(known.name);
    return QObject::tr("Data type %1").arg(code);
}

QString identityText(std::int32_t identity)
{
    return QStringLiteral("0x%1").arg(static_cast<std::uint32_t>(identity), 0, 16);
}

}  // namespace

RecordView::RecordView(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(4);
    setHeaderLabels({tr("Date"), tr("Data type"), tr("Description"), tr("Creator")});
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setAlternatingRowColors(true);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (const QVariant id = item->data(0, kActionRole); id.isValid()) emit actionActivated(id.toLongLong());
    });
}

void RecordView::showClient(HostDatabase& database, const std::optional<RowId>& client)
{
    const std::optional<RowId> current = currentAction();
    clear();
    if (!client) return;
    std::map<std::int32_t, QString> creators;
    for (const ModuleRecord& module : ModuleCatalog(database).modules())
        creators[module.identity()] = QString::fromStdString(module.name);
    for (const SessionRecord& session : database.sessions(*client)) {
        auto* sessionItem = new QTreeWidgetItem(this, {tr("Session %1, %2").arg(session.index).arg(dateText(session.date))});
        sessionItem->setFirstColumnSpanned(true);
        for (const ActionRecord& action : database.actions(session.id)) {
            const auto creator = creators.find(action.creatorModuleId);
            auto* item = new QTreeWidgetItem(
                sessionItem, {dateText(action.dateCreated), dataTypeName(action.dataTypeCode),
                              QString::fromStdString(action.description),
                              creator != creators.end() ? creator->second : identityText(action.creatorModuleId)});
            item->setData(0, kActionRole, QVariant::fromValue<qlonglong>(action.id));
            if (action.id == current) setCurrentItem(item);
        }
    }
    expandAll();
}

std::optional<RowId> RecordView::currentAction() const
{
    const QTreeWidgetItem* item = currentItem();
    if (!item) return std::nullopt;
    const QVariant id = item->data(0, kActionRole);
    if (!id.isValid()) return std::nullopt;
    return id.toLongLong();
}

}  // namespace host
