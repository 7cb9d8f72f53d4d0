#include "XlsAdapter/ole2/Ole2File.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>

#include "XlsAdapter/ole2/ExcelException.h"
#include "platform/FileSource.h"
#include "platform/MemorySource.h"
#include "tests/support/CompoundBuilder.h"

namespace tabulon {
namespace {

using testing::Bytes;
using testing::TCompoundBuilder;
using testing::TCompoundImage;
using testing::TCompoundOptions;

const char kFileInvalid[] = "The file \"\" is invalid";
const char kRecordsInvalid[] = "Error reading Excel records. File invalid";

Bytes Pattern(size_t size, uint8_t seed = 1) {
  Bytes bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + seed + i / 251);
  return bytes;
}

// Opens `image`, selects `name` and reads the whole stream in `chunk`-byte reads.
Bytes ReadStream(const Bytes& image, std::u16string_view name, size_t chunk = 4096,
                 size_t prefix = 0) {
  TMemorySource source(image);
  source.Seek(static_cast<int64_t>(prefix));
  TOle2File file(source);
  file.SelectStream(name);
  Bytes out(static_cast<size_t>(file.Length()));
  for (size_t at = 0; at < out.size(); at += chunk) {
    file.ReadMem(out.data() + at, std::min(chunk, out.size() - at));
  }
  EXPECT_TRUE(file.Eof());
  return out;
}

std::string FailureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EExcelException& e) {
    return e.what();
  }
  return "no failure";
}

std::string OpenFailure(const Bytes& image, std::u16string_view name = u"Workbook") {
  return FailureOf([&] { ReadStream(image, name); });
}

struct LayoutCase {
  const char* Label;
  int SectorShift;
  size_t Size;
  size_t Prefix;
  size_t Chunk;
};

class StreamLayout : public ::testing::TestWithParam<LayoutCase> {};

// Streams in the mini stream and in ordinary sectors, both sector sizes, a
// container inside a larger stream, and reads that cross sector boundaries.
TEST_P(StreamLayout, ReadsTheStreamBack) {
  const LayoutCase& c = GetParam();
  TCompoundOptions options;
  options.SectorShift = c.SectorShift;
  options.Prefix = c.Prefix;
  const Bytes data = Pattern(c.Size);
  const TCompoundImage image = TCompoundBuilder(options)
                                   .AddStream(u"Other", Pattern(300, 9))
                                   .AddStream(u"Workbook", data)
                                   .Build();
  EXPECT_EQ(image.InMiniStream.at(u"Workbook"), c.Size < 4096) << c.Label;
  EXPECT_EQ(ReadStream(image.Data, u"Workbook", c.Chunk, c.Prefix), data) << c.Label;
}

INSTANTIATE_TEST_SUITE_P(
    Ole2, StreamLayout,
    ::testing::Values(LayoutCase{"empty", 9, 0, 0, 7}, LayoutCase{"mini", 9, 100, 0, 7},
                      LayoutCase{"mini, one below cutoff", 9, 4095, 0, 13},
                      LayoutCase{"exactly the cutoff", 9, 4096, 0, 13},
                      LayoutCase{"big", 9, 70000, 0, 4},
                      LayoutCase{"big, one read", 9, 70000, 0, 70000},
                      LayoutCase{"4096-byte sectors, mini", 12, 1000, 0, 7},
                      LayoutCase{"4096-byte sectors, big", 12, 50000, 0, 333},
                      LayoutCase{"at offset 1000", 9, 9000, 1000, 100},
                      LayoutCase{"mini at offset 1000", 9, 500, 1000, 10}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Ole2File, FindsStreamNamesIgnoringCaseOfLettersAToZOnly) {
  struct Case {
    std::u16string Stored;
    std::u16string Wanted;
    bool Found;
  };
  const Case cases[] = {{u"WORKBOOK", u"Workbook", true},
                        {u"workbook", u"Workbook", true},
                        {u"Workbook", u"Workbook", true},
                        {u"\u00C9t\u00E9", u"\u00E9T\u00C9", false},
                        {u"\u00E9t\u00E9", u"\u00E9T\u00E9", true},
                        {u"Book", u"Workbook", false}};
  for (const Case& c : cases) {
    const Bytes image = TCompoundBuilder().AddStream(c.Stored, Pattern(10)).Build().Data;
    EXPECT_EQ(OpenFailure(image, c.Wanted), c.Found ? "no failure" : kFileInvalid)
        << std::string(c.Stored.begin(), c.Stored.end());
  }
}

TEST(Ole2File, SelectsTheFirstEntryOfAName) {
  const Bytes first = Pattern(50, 1);
  const Bytes image = TCompoundBuilder()
                          .AddStream(u"Workbook", first)
                          .AddStream(u"WORKBOOK", Pattern(60, 2))
                          .Build()
                          .Data;
  EXPECT_EQ(ReadStream(image, u"Workbook"), first);
}

TEST(Ole2File, ReadsNamesWithOddOrUnusableLengths) {
  struct Case {
    uint8_t NameSizeByte;
    bool Found;
  };
  // "Workbook" is 16 bytes + 2 for the terminator; 19 leaves an odd byte
  // out, 66 and 1 are unusable lengths (an empty name).
  const Case cases[] = {{18, true}, {19, true}, {17, false}, {66, false}, {1, false}};
  for (const Case& c : cases) {
    TCompoundImage image = TCompoundBuilder().AddStream(u"Workbook", Pattern(10)).Build();
    image.SetU8(image.DirEntryOffset(1) + 64, c.NameSizeByte);
    EXPECT_EQ(OpenFailure(image.Data), c.Found ? "no failure" : kFileInvalid)
        << int{c.NameSizeByte};
  }
}

TEST(Ole2File, ReadPastTheEndFailsAndKeepsThePosition) {
  const Bytes data = Pattern(20);
  const Bytes image = TCompoundBuilder().AddStream(u"Workbook", data).Build().Data;
  TMemorySource source(image);
  TOle2File file(source);
  uint8_t buffer[16];
  file.ReadMem(buffer, 0);  // nothing selected: nothing happens
  file.ReadMem(buffer, 5);
  EXPECT_EQ(file.Length(), 0);
  file.SelectStream(u"Workbook");
  file.ReadMem(buffer, 16);
  EXPECT_FALSE(file.NextEof(3));  // 4 bytes are left
  EXPECT_TRUE(file.NextEof(4));
  EXPECT_EQ(FailureOf([&] { file.ReadMem(buffer, 10); }),
            "End of stream reached with 6 bytes left to read");
  EXPECT_EQ(file.Position(), 16);
  file.ReadMem(buffer, 4);
  EXPECT_EQ(Bytes(buffer, buffer + 4), Bytes(data.begin() + 16, data.end()));
  file.ReadMem(buffer, 0);
  EXPECT_TRUE(file.Eof());
}

TEST(Ole2File, RefusesWhatIsNoCompoundDocument) {
  const Bytes good = TCompoundBuilder().AddStream(u"Workbook", Pattern(10)).Build().Data;
  struct Case {
    const char* Label;
    size_t Field;
    uint32_t Value;
    int Width;
  };
  const Case cases[] = {{"signature", 0, 0x12345678, 4},  {"sector shift 10", 30, 10, 2},
                        {"sector shift 16", 30, 16, 2},   {"mini sector shift 7", 32, 7, 2},
                        {"mini cutoff 8192", 56, 8192, 4}, {"mini cutoff 0", 56, 0, 4}};
  for (const Case& c : cases) {
    Bytes image = good;
    for (int i = 0; i < c.Width; ++i) image[c.Field + i] = static_cast<uint8_t>(c.Value >> (8 * i));
    EXPECT_EQ(OpenFailure(image), kFileInvalid) << c.Label;
  }
  EXPECT_EQ(OpenFailure(Bytes(good.begin(), good.begin() + 75)), kFileInvalid);
  EXPECT_EQ(OpenFailure(Bytes{}), kFileInvalid);
  EXPECT_EQ(OpenFailure(good, u"Book"), kFileInvalid);
}

// Faults of the tables and chains: each made in an otherwise good container
// with one stream of 3000 bytes in the mini stream and one of 5000 bytes in
// ordinary sectors.
TEST(Ole2File, RefusesBrokenTablesAndChains) {
  struct Case {
    const char* Label;
    std::u16string Stream;
    std::function<void(TCompoundImage&)> Break;
  };
  const auto header = [](size_t field, uint32_t value) {
    return [=](TCompoundImage& image) { image.SetU32(image.HeaderOffset(field), value); };
  };
  const Case cases[] = {
      {"data chain loops", u"Big",
       [](TCompoundImage& image) {
         const auto& chain = image.StreamSectors(u"Big");
         image.SetFatEntry(chain[5], chain[2]);
       }},
      {"data chain leaves the FAT", u"Big",
       [](TCompoundImage& image) { image.SetFatEntry(image.StreamSectors(u"Big")[1], 5000); }},
      {"data chain ends early", u"Big",
       [](TCompoundImage& image) {
         image.SetFatEntry(image.StreamSectors(u"Big")[3], 0xFFFFFFFE);
       }},
      {"mini chain loops", u"Small",
       [](TCompoundImage& image) {
         const auto& chain = image.StreamSectors(u"Small");
         image.SetMiniFatEntry(chain[10], chain[0]);
       }},
      {"mini FAT chain loops", u"Small",
       [](TCompoundImage& image) {
         image.SetU32(image.HeaderOffset(64), 2);
         image.SetFatEntry(image.MiniFatSectors[0], image.MiniFatSectors[0]);
       }},
      {"mini FAT count beyond its chain", u"Small", header(64, 2)},
      {"mini FAT count beyond the file", u"Small", header(64, 0x40000000)},
      {"directory chain loops", u"Missing",
       [](TCompoundImage& image) { image.SetFatEntry(image.DirSectors[0], image.DirSectors[0]); }},
      {"DIFAT count beyond the file", u"Big", header(72, 0x10000000)},
      {"DIFAT chain ends early", u"Big", header(72, 1)},
      {"DIFAT sector met twice", u"Big",
       [](TCompoundImage& image) {
         // Two DIFAT sectors, the first pointing at itself.
         const uint32_t sect = image.StreamSectors(u"Big")[0];
         image.SetU32(image.HeaderOffset(68), sect);
         image.SetU32(image.HeaderOffset(72), 2);
         for (uint32_t i = 0; i + 1 < image.SectorSize / 4; ++i) {
           image.SetU32(image.SectorOffset(sect) + 4 * i, 0xFFFFFFFE);
         }
         image.SetU32(image.SectorOffset(sect) + image.SectorSize - 4, sect);
       }},
      {"FAT sector wholly beyond the file", u"Big", header(76, 100000)},
      {"directory beyond the file", u"Big", header(48, 100000)},
  };
  for (const Case& c : cases) {
    TCompoundImage image = TCompoundBuilder()
                               .AddStream(u"Small", Pattern(3000))
                               .AddStream(u"Big", Pattern(5000))
                               .Build();
    ASSERT_EQ(OpenFailure(image.Data, c.Stream), c.Stream == u"Missing" ? kFileInvalid : "no failure");
    c.Break(image);
    EXPECT_EQ(OpenFailure(image.Data, c.Stream), kRecordsInvalid) << c.Label;
  }
}

TEST(Ole2File, RefusesAFileCutOffBeforeItsLastSector) {
  const Bytes data = Pattern(10000);
  const Bytes image = TCompoundBuilder().AddStream(u"Workbook", data).Build().Data;
  // The last sector (272 bytes of data, 240 of padding) cut short by 300
  // bytes reads with its last 60 data bytes as zeros.
  const Bytes cut(image.begin(), image.end() - 300);
  Bytes expected = data;
  std::fill(expected.end() - 60, expected.end(), 0);
  EXPECT_EQ(ReadStream(cut, u"Workbook"), expected);
  // A sector wholly beyond the end fails.
  EXPECT_EQ(OpenFailure(Bytes(image.begin(), image.end() - 1024)), kRecordsInvalid);
}

TEST(Ole2File, FreeHeaderSlotKeepsTheIndexOfTheFatSectorAfterIt) {
  TCompoundOptions options;
  options.LeadingFreeFatSlots = 1;
  const Bytes data = Pattern(6000);
  const TCompoundImage image = TCompoundBuilder(options).AddStream(u"Workbook", data).Build();
  ASSERT_GE(image.StreamSectors(u"Workbook")[0], 128u);
  EXPECT_EQ(ReadStream(image.Data, u"Workbook", 1000), data);
}

TEST(Ole2File, EndOfChainInTheHeaderSlotsStillReadsTheDifatSectors) {
  TCompoundOptions options;
  options.HeaderFatSlots = 1;
  options.EndHeaderSlotsWithEndOfChain = true;
  const Bytes data = Pattern(80000);  // more sectors than one FAT sector describes
  const TCompoundImage image = TCompoundBuilder(options).AddStream(u"Workbook", data).Build();
  ASSERT_EQ(image.FatSectors.size(), 2u);
  ASSERT_EQ(image.DifatSectors.size(), 1u);
  EXPECT_EQ(ReadStream(image.Data, u"Workbook", 3000), data);
}

TEST(Ole2File, ReadsAFileThroughAFileSource) {
  const Bytes data = Pattern(5000);
  const Bytes image = TCompoundBuilder().AddStream(u"Workbook", data).Build().Data;
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("tabulon-ole2-" + std::to_string(getpid()) + ".xls");
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(image.data()),
                                               static_cast<std::streamsize>(image.size()));
  {
    TFileSource source(path.string());
    TOle2File file(source);
    file.SelectStream(u"Workbook");
    Bytes out(data.size());
    file.ReadMem(out.data(), out.size());
    EXPECT_EQ(out, data);
  }
  std::filesystem::remove(path);
  try {
    TFileSource missing(path.string());
    FAIL() << "opened a missing file";
  } catch (const EFileError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file \"" + path.string() + "\". No such file or directory");
  }
}

}  // namespace
}  // namespace tabulon
