#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

#include "VCardTestSupport.h"
#include "tests/support/TempFolder.h"
#include "vcard/Card.h"
#include "vcard/Errors.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;

using test::Slurp;

class SaveToFile : public test::TempFolder {
 protected:
  void SetUp() override {
    TempFolder::SetUp();
    FCard.vContacts().Add().SetLastName(u"Lee");
    FCard.vContacts().GetvContact(0).SetUpdated(1);
  }

  std::string Expected() {
    std::ostringstream out;
    FCard.SaveToStream(out);
    return out.str();
  }
  size_t EntriesInDir() { return static_cast<size_t>(std::distance(fs::directory_iterator(FDir), {})); }

  TvCard FCard;
};

TEST_F(SaveToFile, WritesWhatTheStreamGets) {
  const fs::path target = FDir / "out.vcf";
  FCard.SaveToFile(target.string());
  EXPECT_EQ(Slurp(target), Expected());
  TvCard empty;
  empty.SaveToFile(target.string());
  EXPECT_EQ(fs::file_size(target), 0u);
  EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(SaveToFile, FailedWriteKeepsTheOldFile) {
  const fs::path target = FDir / "out.vcf";
  std::ofstream(target) << "old content";
  // A file size limit makes the write itself fail, even for root.
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 16;
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  FCard.vContacts().GetvContact(0).SetNote(TStringList());
  EXPECT_THROW(FCard.SaveToFile(target.string()), EvFileError);
  EXPECT_THROW(FCard.SaveToFile(target.string(), FCard.vContacts().GetvContact(0)), EvFileError);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(Slurp(target), "old content");
  EXPECT_EQ(EntriesInDir(), 1u) << "the temporary file is removed";
}

TEST_F(SaveToFile, ReplacedFileKeepsItsPermissions) {
  const fs::path target = FDir / "out.vcf";
  std::ofstream(target) << "old";
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  FCard.SaveToFile(target.string());
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Slurp(target), Expected());
}

TEST_F(SaveToFile, NewFileGetsTheUsualPermissions) {
  const mode_t mask = umask(022);
  FCard.SaveToFile((FDir / "new.vcf").string());
  umask(mask);
  EXPECT_EQ(fs::status(FDir / "new.vcf").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
}

TEST_F(SaveToFile, SymbolicLinkIsFollowed) {
  fs::create_directories(FDir / "real");
  const fs::path real = FDir / "real" / "book.vcf";
  std::ofstream(real) << "old";
  fs::create_symlink("real/book.vcf", FDir / "link.vcf");
  FCard.SaveToFile((FDir / "link.vcf").string());
  EXPECT_TRUE(fs::is_symlink(FDir / "link.vcf"));
  EXPECT_EQ(Slurp(real), Expected());
  // A link to a file not there yet creates that file.
  fs::create_symlink("real/later.vcf", FDir / "dangling.vcf");
  FCard.SaveToFile((FDir / "dangling.vcf").string());
  EXPECT_TRUE(fs::is_symlink(FDir / "dangling.vcf"));
  EXPECT_EQ(Slurp(FDir / "real" / "later.vcf"), Expected());
}

TEST_F(SaveToFile, FileThatCannotBeCreatedIsAnError) {
  const std::string missing = (FDir / "no" / "such" / "out.vcf").string();
  EXPECT_THROW(FCard.SaveToFile(missing), EvFileError);
  EXPECT_THROW(FCard.SaveToFile(missing, FCard.vContacts().GetvContact(0)), EvFileError);
  EXPECT_THROW(FCard.SaveToFile(FDir.string()), EvFileError);
  try {
    FCard.SaveToFile(missing);
  } catch (const EvFileError& e) {
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
  }
}

TEST_F(SaveToFile, OneContactInWindows1252) {
  TvContact& c = FCard.vContacts().GetvContact(0);
  c.SetFirstName(u"Zoé €");
  c.SetLastName(u"Ж");
  const fs::path target = FDir / "one.vcf";
  FCard.SaveToFile(target.string(), c);
  const std::string bytes = Slurp(target);
  EXPECT_NE(bytes.find("N:?;Zo\xE9 \x80;;;\n"), std::string::npos) << bytes;
  EXPECT_EQ(bytes.substr(bytes.size() - 11), "END:VCARD\r\n");
}

}  // namespace
}  // namespace tabulon
