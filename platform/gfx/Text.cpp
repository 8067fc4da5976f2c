#include "platform/gfx/Text.h"

#include "platform/gfx/Context.h"

#include <QFontMetricsF>
#include <QStringList>

#include <cmath>
#include <numbers>

namespace platform::gfx {
namespace {

using detail::Context;
using detail::findContext;
using detail::PaintScope;

int toInt(double value)
{
    return static_cast<int>(std::lround(value));
}

// Lines stand a whole number of pixels apart, as on the platform.
double cellHeight(const QFontMetricsF& metrics)
{
    return std::round(metrics.ascent()) + std::round(metrics.descent());
}

// Without DT_NOPREFIX a single "&" marks a mnemonic and is not shown; "&&"
// shows one "&".
QString withoutPrefixes(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&')
                result += u'&', ++i;
            continue;
        }
        result += text[i];
    }
    return result;
}

// Breaks one paragraph into lines no wider than the width, between words; a
// word wider than a line stays whole on its own line.
QStringList wrapParagraph(const QString& paragraph, double width, const QFontMetricsF& metrics)
{
    QStringList lines;
    QString line;
    for (const QString& word : paragraph.split(u' ')) {
        const QString candidate = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines.append(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    lines.append(line);
    return lines;
}

QStringList layoutLines(QString text, unsigned format, double width, const QFontMetricsF& metrics)
{
    if (!(format & DT_NOPREFIX))
        text = withoutPrefixes(text);
    if (format & DT_SINGLELINE)
        return {text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(u'\n', u' ').replace(u'\r', u' ')};
    QStringList lines;
    for (const QString& paragraph : text.remove(u'\r').split(u'\n')) {
        if (format & DT_WORDBREAK)
            lines.append(wrapParagraph(paragraph, width, metrics));
        else
            lines.append(paragraph);
    }
    return lines;
}

}  // namespace

bool textOut(DcHandle dc, int x, int y, std::string_view text)
{
    Context* context = findContext(dc);
    if (!context)
        return false;
    detail::DcState& state = context->state();
    const bool updatePosition = (state.textAlign & TA_UPDATECP) != 0;
    const QPointF origin = updatePosition ? context->toDevice(state.position.x(), state.position.y())
                                          : context->toDevice(x, y);
    const QFont font = context->font();
    const QFontMetricsF metrics(font);
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const double width = metrics.horizontalAdvance(string);

    double left = 0;
    switch (state.textAlign & TA_CENTER) {
    case TA_CENTER: left = -width / 2; break;
    case TA_RIGHT: left = -width; break;
    default: break;
    }
    double baseline = metrics.ascent();
    switch (state.textAlign & TA_BASELINE) {
    case TA_BASELINE: baseline = 0; break;
    case TA_BOTTOM: baseline = -metrics.descent(); break;
    default: break;
    }

    FontDescription description;
    getFontDescription(state.font, &description);
    const double angle = description.escapement / 10.0;
    if (updatePosition && (state.textAlign & TA_CENTER) == TA_LEFT) {
        // The position moves along the (turned) baseline by the text's advance.
        const double radians = angle * std::numbers::pi / 180.0;
        state.position = context->toLogicalPoint(origin + QPointF(width * std::cos(radians), -width * std::sin(radians)));
    }

    PaintScope painter(*context);
    if (!painter)
        return false;
    painter->translate(origin);
    painter->rotate(-angle);
    if (state.bkMode == OPAQUE)
        painter->fillRect(QRectF(left, baseline - metrics.ascent(), width, cellHeight(metrics)),
                          detail::toQColor(state.bkColour));
    painter->setFont(font);
    painter->setPen(detail::toQColor(state.textColour));
    painter->drawText(QPointF(left, baseline), string);
    return true;
}

bool getTextExtentPoint(DcHandle dc, std::string_view text, Size* out)
{
    const Context* context = findContext(dc);
    if (!context || !out)
        return false;
    const QFontMetricsF metrics(context->font());
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    *out = {toInt(metrics.horizontalAdvance(string) / std::abs(context->scaleX())),
            toInt(cellHeight(metrics) / std::abs(context->scaleY()))};
    return true;
}

bool getTextMetrics(DcHandle dc, TextMetrics* out)
{
    const Context* context = findContext(dc);
    if (!context || !out)
        return false;
    const QFont font = context->font();
    const QFontMetricsF metrics(font);
    const double sy = std::abs(context->scaleY());
    const double sx = std::abs(context->scaleX());
    out->ascent = toInt(metrics.ascent() / sy);
    out->descent = toInt(metrics.descent() / sy);
    out->height = out->ascent + out->descent;
    out->internalLeading = toInt((cellHeight(metrics) - font.pixelSize()) / sy);
    out->externalLeading = toInt(metrics.leading() / sy);
    out->averageCharWidth = toInt(metrics.averageCharWidth() / sx);
    out->maxCharWidth = toInt(metrics.maxWidth() / sx);
    out->weight = font.weight();
    out->italic = font.italic();
    out->underlined = font.underline();
    out->struckOut = font.strikeOut();
    return true;
}

int drawText(DcHandle dc, std::string_view text, Rect* rect, unsigned format)
{
    Context* context = findContext(dc);
    if (!context || !rect)
        return 0;
    const detail::DcState& state = context->state();
    const QRect box = context->toDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
    const QFont font = context->font();
    const QFontMetricsF metrics(font);
    const QStringList lines =
        layoutLines(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), format, box.width(), metrics);
    const double lineHeight = cellHeight(metrics);
    const double height = lineHeight * static_cast<double>(lines.size());
    const int logicalHeight = toInt(height / std::abs(context->scaleY()));

    if (format & DT_CALCRECT) {
        double widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        rect->right = rect->left + toInt(widest / context->scaleX());
        rect->bottom = rect->top + toInt(height / context->scaleY());
        return logicalHeight;
    }

    double top = box.top();
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = box.top() + (box.height() - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            top = box.top() + box.height() - lineHeight;
    }
    PaintScope painter(*context);
    if (!painter)
        return 0;
    if (!(format & DT_NOCLIP))
        painter->setClipRect(box, Qt::IntersectClip);
    painter->setFont(font);
    painter->setPen(detail::toQColor(state.textColour));
    for (const QString& line : lines) {
        const double width = metrics.horizontalAdvance(line);
        double left = box.left();
        if (format & DT_CENTER)
            left += (box.width() - width) / 2;
        else if (format & DT_RIGHT)
            left += box.width() - width;
        if (state.bkMode == OPAQUE)
            painter->fillRect(QRectF(left, top, width, lineHeight), detail::toQColor(state.bkColour));
        painter->drawText(QPointF(left, top + metrics.ascent()), line);
        top += lineHeight;
    }
    return logicalHeight;
}

}  // namespace platform::gfx
