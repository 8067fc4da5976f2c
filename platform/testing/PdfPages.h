#pragma once
// Reading back a PDF file that the built-in printer wrote, for tests: its
// pages with their words and boxes (pdftotext -bbox), its text laid out as on
// the page (pdftotext -layout), a page as an image (pdftoppm), and how its
// pictures are stored (pdfimages -list).
//
// A file that cannot be read gives no pages, an empty text or a null image;
// the test's own checks then fail with what they expected.

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSizeF>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform::testing {

struct PdfWord {
    std::string text;
    // In centimetres from the page's top-left corner, y growing downward.
    QRectF box;
};

struct PdfPage {
    QSizeF size;  // centimetres
    std::vector<PdfWord> words;

    // The first word that equals the text, or null.
    const PdfWord* find(std::string_view text) const;
};

// Every page of the file, in order, each with its words in reading order.
std::vector<PdfPage> pdfPages(const std::filesystem::path& pdf);

// The whole text, each page's lines laid out as they stand on the page and
// each page ended by a form feed.
std::string pdfText(const std::filesystem::path& pdf);

// Page number page (from 1) at the resolution, drawn without smoothing so
// that pixels can be checked exactly. crop: the part of the page to keep, in
// pixels at that resolution; empty for the whole page.
QImage pdfPageImage(const std::filesystem::path& pdf, int dotsPerInch, int page = 1, const QRect& crop = {});

// A picture stored in the file: its size in pixels and its encoding ("image"
// for Flate, "jpeg", "jpx", ...).
struct PdfImage {
    int width = 0;
    int height = 0;
    std::string encoding;
};
// Every picture of the file, in order.
std::vector<PdfImage> pdfImages(const std::filesystem::path& pdf);

}  // namespace platform::testing
