#include "platform/ui/CommonDialogs.h"

#include "platform/gfx/ObjectData.h"
#include "platform/ui/TestResponder.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStringList>

#include <filesystem>

namespace platform::ui {
namespace {

// "Profiles (*.profile)|*.profile|All|*.*" -> "Profiles (*.profile);;All (*.*)".
QString qtFilter(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The patterns named in the description (if any) give way to the real ones.
        QString description = parts[i];
        description.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)\\s*$")));
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        entries.append(description + QLatin1String(" (") + patterns + u')');
    }
    return entries.join(QLatin1String(";;"));
}

std::string withDefaultExtension(std::string path, const std::string& extension)
{
    if (!extension.empty() && !std::filesystem::path(path).has_extension())
        path += "." + extension;
    return path;
}

std::optional<std::string> fileByResponder(TestResponder& responder, const ShownDialog& shown)
{
    const auto reply = responder.respond(shown);
    if (std::holds_alternative<std::monostate>(reply) || std::holds_alternative<reply::Cancel>(std::get<Reply>(reply)))
        return std::nullopt;
    const auto* file = std::get_if<reply::File>(&std::get<Reply>(reply));
    if (!file)
        TestResponder::misfit(shown, "a file name or Cancel");
    return file->path;
}

std::optional<std::string> fileDialog(DialogKind kind, const FileDialogRequest& request, QWidget* owner)
{
    const ShownDialog shown{kind, request.filter, request.title, request.flags};
    std::optional<std::string> chosen;
    if (TestResponder* responder = TestResponder::current()) {
        chosen = fileByResponder(*responder, shown);
    } else {
        refuseOffscreenModal(shown);
        const QString start = QString::fromStdString(
            (std::filesystem::path(request.initialFolder) / request.fileName).string());
        const QString title = QString::fromStdString(request.title);
        const QString path = kind == DialogKind::OpenFile
                                 ? QFileDialog::getOpenFileName(owner, title, start, qtFilter(request.filter))
                                 : QFileDialog::getSaveFileName(owner, title, start, qtFilter(request.filter));
        if (!path.isEmpty())
            chosen = path.toStdString();
    }
    if (!chosen || chosen->empty())
        return std::nullopt;
    return withDefaultExtension(*chosen, request.defaultExtension);
}

}  // namespace

std::optional<std::string> getOpenFileName(const FileDialogRequest& request, QWidget* owner)
{
    return fileDialog(DialogKind::OpenFile, request, owner);
}

std::optional<std::string> getSaveFileName(const FileDialogRequest& request, QWidget* owner)
{
    return fileDialog(DialogKind::SaveFile, request, owner);
}

std::optional<gfx::ColorRef> chooseColor(gfx::ColorRef initial, QWidget* owner)
{
    const ShownDialog shown{DialogKind::Colour, {}, "Color", initial};
    if (TestResponder* responder = TestResponder::current()) {
        const auto reply = responder->respond(shown);
        if (std::holds_alternative<std::monostate>(reply)
            || std::holds_alternative<reply::Cancel>(std::get<Reply>(reply)))
            return std::nullopt;
        const auto* colour = std::get_if<reply::Colour>(&std::get<Reply>(reply));
        if (!colour)
            TestResponder::misfit(shown, "a colour or Cancel");
        return colour->value;
    }
    refuseOffscreenModal(shown);
    const QColor chosen = QColorDialog::getColor(gfx::detail::toQColor(initial), owner);
    if (!chosen.isValid())
        return std::nullopt;
    return gfx::detail::fromQColor(chosen);
}

}  // namespace platform::ui
