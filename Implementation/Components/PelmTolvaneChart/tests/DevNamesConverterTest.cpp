#include "PelmTolvaneChart/ClassIds.h"
#include "PelmTolvaneChart/IDevNamesConverter.h"
#include "platform/com/Creation.h"
#include "platform/com/ServerLibraries.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/print/PrinterBlocks.h"
#include "platform/print/Printers.h"
#include "platform/registry/Key.h"

#include <gtest/gtest.h>

#include <QPrinterInfo>

#include <filesystem>

namespace lumenplot {
namespace {

namespace com = platform::com;
namespace gfx = platform::gfx;
namespace print = platform::print;
using com::ComPtr;
using com::S_OK;
using com::Variant;

constexpr std::int32_t kReportFlags = 0x14000C;

ComPtr<IDevNamesConverter> createConverter()
{
    com::ServerEntryPoints server;
    EXPECT_EQ(com::loadServer(std::filesystem::weakly_canonical(LUMENPLOT_PATH).string(), &server), S_OK);
    EXPECT_EQ(server.registerServer(), S_OK);
    ComPtr<IDevNamesConverter> converter;
    EXPECT_EQ(com::createInstance(kDevNamesConverterClsid, converter), S_OK);
    return converter;
}

// Whether a context is a printer's, and then deletes it.
bool isPrinterContext(gfx::DcHandle dc)
{
    const bool printer = dc != 0 && gfx::getDeviceCaps(dc, gfx::TECHNOLOGY) == gfx::DT_RASPRINTER;
    gfx::deleteDc(dc);
    return printer;
}

TEST(DevNamesConverter, GivesTheDefaultPrintersContextAndFreesItsBlocks)
{
    const ComPtr<IDevNamesConverter> converter = createConverter();
    ASSERT_TRUE(converter);
    std::int32_t hdc = 0;
    ASSERT_EQ(converter->GetDefaultPrinterDC(kReportFlags, &hdc), S_OK);
    EXPECT_TRUE(isPrinterContext(hdc));

    Variant flags(kReportFlags);
    Variant result;
    ASSERT_EQ(converter->Invoke(devnames_dispid::GetDefaultPrinterDC, com::DISPATCH_METHOD, {&flags, 1}, &result), S_OK);
    EXPECT_TRUE(isPrinterContext(result.toLong()));
    EXPECT_EQ(print::liveBlocks(), 0u) << "both blocks freed once the context is made";
}

TEST(DevNamesConverter, MakesContextsFromLiveBlocksOnly)
{
    const ComPtr<IDevNamesConverter> converter = createConverter();
    ASSERT_TRUE(converter);
    std::int32_t hdc = 77;
    EXPECT_EQ(converter->GetDCFromDevNamesStruct(0, 0, &hdc), S_OK);
    EXPECT_EQ(hdc, 0) << "no names, no context";

    const print::PrinterBlocks blocks = print::allocPrinterBlocks(print::defaultPrinterName(), 1, false);
    ASSERT_EQ(converter->GetDCFromDevNamesStruct(blocks.names, blocks.mode, &hdc), S_OK);
    EXPECT_TRUE(isPrinterContext(hdc));
    EXPECT_EQ(converter->GetDCFromDevNamesStruct(blocks.names, 0, &hdc), S_OK) << "the settings block may be left out";
    EXPECT_TRUE(isPrinterContext(hdc));

    Variant arguments[] = {Variant(blocks.names), Variant(blocks.mode)};
    Variant result;
    ASSERT_EQ(converter->Invoke(devnames_dispid::GetDCFromDevNamesStruct, com::DISPATCH_METHOD, arguments, &result), S_OK);
    EXPECT_TRUE(isPrinterContext(result.toLong()));
    EXPECT_EQ(print::liveBlocks(), 2u) << "the caller's blocks stay the caller's";

    print::freeBlock(blocks.names);
    print::freeBlock(blocks.mode);
    hdc = 77;
    EXPECT_EQ(converter->GetDCFromDevNamesStruct(blocks.names, blocks.mode, &hdc), S_OK);
    EXPECT_EQ(hdc, 0) << "a freed handle";
}

TEST(DevNamesConverter, WithoutADefaultPrinterFailsWithNoContext)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "this machine has printers of its own";
    platform::registry::Key key;
    platform::registry::createKey(platform::registry::Root::LocalMachine, "SOFTWARE\\Brisance\\Printing",
                                  platform::registry::Access::Write, key);
    key.setString("BuiltInPrinterName", "");
    const ComPtr<IDevNamesConverter> converter = createConverter();
    ASSERT_TRUE(converter);
    std::int32_t hdc = 77;
    EXPECT_EQ(converter->GetDefaultPrinterDC(kReportFlags, &hdc), com::E_UNEXPECTED);
    EXPECT_EQ(hdc, 0);
}

}  // namespace
}  // namespace lumenplot
