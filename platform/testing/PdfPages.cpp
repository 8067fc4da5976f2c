#include "platform/testing/PdfPages.h"

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QXmlStreamReader>

namespace platform::testing {
namespace {

constexpr double kCentimetresPerPoint = 2.54 / 72.0;

// What the program wrote to its standard output; empty when it failed.
QByteArray outputOf(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

QString nativePath(const std::filesystem::path& file)
{
    return QString::fromStdString(file.string());
}

double attribute(const QXmlStreamReader& reader, const char* name)
{
    return reader.attributes().value(QLatin1String(name)).toDouble() * kCentimetresPerPoint;
}

}  // namespace

const PdfWord* PdfPage::find(std::string_view text) const
{
    for (const PdfWord& word : words)
        if (word.text == text) return &word;
    return nullptr;
}

std::vector<PdfPage> pdfPages(const std::filesystem::path& pdf)
{
    // pdftotext writes each page as <page width height> holding
    // <word xMin yMin xMax yMax>text</word>, in points from the top-left.
    QXmlStreamReader reader(outputOf("pdftotext", {"-bbox", nativePath(pdf), "-"}));
    std::vector<PdfPage> pages;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        if (reader.name() == QLatin1String("page")) {
            pages.push_back({QSizeF(attribute(reader, "width"), attribute(reader, "height")), {}});
        } else if (reader.name() == QLatin1String("word") && !pages.empty()) {
            const QPointF topLeft(attribute(reader, "xMin"), attribute(reader, "yMin"));
            const QPointF bottomRight(attribute(reader, "xMax"), attribute(reader, "yMax"));
            pages.back().words.push_back({reader.readElementText().toStdString(), QRectF(topLeft, bottomRight)});
        }
    }
    return pages;
}

std::string pdfText(const std::filesystem::path& pdf)
{
    return outputOf("pdftotext", {"-layout", nativePath(pdf), "-"}).toStdString();
}

QImage pdfPageImage(const std::filesystem::path& pdf, int dotsPerInch, int page, const QRect& crop)
{
    const QString resolution = QString::number(dotsPerInch);
    const QString pageNumber = QString::number(page);
    QStringList arguments{"-r", resolution, "-f", pageNumber, "-l", pageNumber,
                          "-aa", "no", "-aaVector", "no", "-png"};
    if (!crop.isEmpty())
        arguments << "-x" << QString::number(crop.x()) << "-y" << QString::number(crop.y()) << "-W"
                  << QString::number(crop.width()) << "-H" << QString::number(crop.height());
    arguments << nativePath(pdf);  // without an output root the image goes to standard output
    return QImage::fromData(outputOf("pdftoppm", arguments), "PNG").convertToFormat(QImage::Format_RGB32);
}

std::vector<PdfImage> pdfImages(const std::filesystem::path& pdf)
{
    // Two heading lines, then one line per picture whose fourth, fifth and
    // ninth columns are its width, height and encoding.
    const QList<QByteArray> lines = outputOf("pdfimages", {"-list", nativePath(pdf)}).split('\n');
    std::vector<PdfImage> images;
    for (qsizetype line = 2; line < lines.size(); ++line) {
        const QList<QByteArray> columns = lines[line].simplified().split(' ');
        if (columns.size() > 8)
            images.push_back({columns[3].toInt(), columns[4].toInt(), columns[8].toStdString()});
    }
    return images;
}

}  // namespace platform::testing
