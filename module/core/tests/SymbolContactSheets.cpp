// Writes the contact sheets of both symbol lists into a folder: the plain
// sheets that the tests hold as goldens and the numbered copies for review.
//
//   symbol_contact_sheets <folder>

#include "module/core/CSymbols.h"
#include "module/core/tests/ContactSheet.h"

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: symbol_contact_sheets <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const brisance::CSymbols symbols;
    for (const auto& list : {symbols.SymbolImages(), symbols.SymbolImagesLarge()}) {
        const std::string stem = "symbols-" + std::to_string(list->imageWidth());
        const auto plain = (folder / (stem + ".png")).string();
        const auto numbered = (folder / (stem + "-numbered.png")).string();
        if (!brisance::testing::contactSheet(*list).save(QString::fromStdString(plain)) ||
            !brisance::testing::numberedContactSheet(*list).save(QString::fromStdString(numbered))) {
            std::fprintf(stderr, "cannot write %s\n", plain.c_str());
            return 1;
        }
        std::printf("%s\n%s\n", plain.c_str(), numbered.c_str());
    }
    return 0;
}
