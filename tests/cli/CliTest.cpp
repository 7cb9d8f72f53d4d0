// Runs the built xls2vcf: its read and write subcommands, their exit codes
// and their help.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct ToolRun {
  int exitCode;
  std::string out;
  std::string err;
};

std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

using tabulon::test::Slurp;

class Xls2vcf : public tabulon::test::TempFolder {
 protected:
  ToolRun Tool(const std::vector<std::string>& args) {
    std::string command = Quote(std::string(TABULON_BIN_DIR) + "/xls2vcf");
    for (const auto& arg : args) command += " " + Quote(arg);
    const fs::path err = FDir / "stderr.txt";
    command += " 2>" + Quote(err.string());
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, Slurp(err)};
  }
};

TEST_F(Xls2vcf, HelpExitsZero) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"--help"}, {"read", "--help"}, {"write", "--help"}}) {
    const ToolRun run = Tool(args);
    EXPECT_EQ(run.exitCode, 0) << args[0];
    EXPECT_NE(run.out.find("Usage"), std::string::npos) << run.out;
  }
  EXPECT_NE(Tool({"--help"}).out.find("write"), std::string::npos);
  EXPECT_NE(Tool({"write", "--help"}).out.find("--output"), std::string::npos);
}

TEST_F(Xls2vcf, UsageErrorsExitTwo) {
  const std::string card = File("c.json", "{}");
  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"read"}, {"write"}, {"write", card, "--bogus"}, {"read", "a", "b"}, {"nosuch"}})
    EXPECT_EQ(Tool(args).exitCode, 2) << (args.empty() ? "" : args[0]);
}

TEST_F(Xls2vcf, ErrorsExitOneWithTheMessage) {
  const std::string bday = File("bad.vcf", "BEGIN:VCARD\r\nBDAY:19801315\r\nEND:VCARD\r\n");
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"read", (FDir / "missing.vcf").string()}, "Cannot open file"},
      {{"read", bday}, "Invalid date \"19801315\""},
      {{"write", (FDir / "missing.json").string()}, "Cannot open file"},
      {{"write", File("a.json", "{\"vContacts\": [")}, "Malformed JSON"},
      {{"write", File("b.json", "{\"vContacts\": [{\"FirstName\": 5}]}")},
       "vContacts[0].FirstName: expected a string"},
      {{"write", File("c.json", "{\"vContacts\": [{\"Emails\": [{\"EmailType\": \"ftMars\"}]}]}")},
       "vContacts[0].Emails[0].EmailType: unknown value \"ftMars\""},
      {{"write", File("d.json", "{\"vContacts\": [{\"PhoneNumbers\": [{\"PhoneType\": \"ptCell\"}]}]}")},
       "vContacts[0].PhoneNumbers[0].PhoneType: expected an array"},
      {{"write", File("e.json", "{\"vContacts\": [{\"BirthDay\": \"1980-02-30\"}]}")},
       "vContacts[0].BirthDay: invalid date-time"},
      {{"write", File("f.json", "{\"vContacts\": [{\"Updated\": \"2020-12-26 20:39:28\"}]}")},
       "vContacts[0].Updated: invalid date-time"},
      {{"write", File("g.json", "{\"vContacts\": [{\"Photo\": \"eHh4\"}]}")}, "not an image"},
      {{"write", File("h.json", "{\"vContacts\": [{\"Photo\": \"!!!!\"}]}")}, "invalid base64"},
      {{"write", File("i.json", "{\"vContacts\": {}}")}, "vContacts: expected an array"},
      {{"write", File("j.json", "[]")}, "expected an object"},
      {{"write", File("k.json", "{}"), "-o", (FDir / "no" / "dir" / "out.vcf").string()},
       "Cannot create file"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Tool(c.args);
    EXPECT_EQ(run.exitCode, 1) << c.args[1];
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args[1] << ": " << run.err;
  }
}

json Contact(const std::string& version) {
  return json::parse(R"({
    "vCardVersion": ")" + version + R"(",
    "FirstName": "Zoé", "LastName": "Müller", "MiddleName": "Ж", "NamePrefix": "Dr",
    "FullName": "Zoé Müller", "Company": "Acme, Inc", "JobTitle": "Chef", "NickName": "Zo",
    "Profession": "Cook", "WebsiteURL": "https://example.org", "Source": "src", "ID": "42",
    "BirthDay": "1980-01-15", "Updated": "2020-12-26T20:39:28",
    "Categories": ["Friends", "Old school"], "Note": ["a", "b"],
    "GeoLocation": {"Latitude": 48.8566, "Longitude": 2.3522},
    "Emails": [{"EmailAddress": "zoe@example.org", "EmailType": "ftWork", "Preferred": true}],
    "PhoneNumbers": [{"PhoneNumber": "+33 6", "PhoneType": ["ptCell", "ptVoice"], "Preferred": true}],
    "Addresses": [{"Street": "Rue de l'Église", "City": "Orléans", "PostCode": "45000",
                   "Country": "Россия", "AddressType": "ftHome", "MailingLabel": ["x", "y"]}],
    "SocialProfile": [{"Service": "chat", "User": "zoe", "URI": "https://chat/zoe"}],
    "PhotoType": "itGIF",
    "Photo": "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==",
    "UnknownKey": {"ignored": true}
  })");
}

TEST_F(Xls2vcf, WriteThenReadRoundTripsInEveryVersion) {
  for (const std::string version : {"vv21", "vv30", "vv40"}) {
    const json input = {{"ProdID", "-//Tabulon//EN"}, {"vContacts", {Contact(version)}}};
    const std::string in = File("in.json", input.dump());
    const std::string vcf = (FDir / "out.vcf").string();
    ASSERT_EQ(Tool({"write", in, "-o", vcf}).exitCode, 0);
    const ToolRun toStdout = Tool({"write", in});
    ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out, Slurp(vcf));

    const ToolRun read = Tool({"read", vcf});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const json output = json::parse(read.out);
    EXPECT_EQ(output["ProdID"], "");
    ASSERT_EQ(output["vContacts"].size(), 1u);
    const json& c = output["vContacts"][0];
    const json& want = input["vContacts"][0];
    for (const char* key : {"vCardVersion", "FirstName", "LastName", "MiddleName", "NamePrefix", "FullName",
                            "Company", "JobTitle", "NickName", "Profession", "WebsiteURL", "Source", "ID",
                            "Updated", "Categories", "Note", "GeoLocation", "Emails", "SocialProfile",
                            "Photo"})
      EXPECT_EQ(c[key], want[key]) << version << " " << key;
    EXPECT_EQ(c["ProdID"], "-//Tabulon//EN");
    EXPECT_EQ(c["BirthDay"], "1980-01-15T00:00:00");
    EXPECT_EQ(c["PhotoType"], "itPNG") << "the image's kind wins over PhotoType";
    EXPECT_EQ(c["PhoneNumbers"][0]["PhoneType"], json({"ptVoice", "ptCell"}));
    EXPECT_EQ(c["PhoneNumbers"][0]["Preferred"], true);
    for (const char* key : {"Street", "City", "PostCode", "Country", "AddressType", "MailingLabel"})
      EXPECT_EQ(c["Addresses"][0][key], want["Addresses"][0][key]) << version << " " << key;
  }
}

TEST_F(Xls2vcf, ReadShowsEmptyPhotoAndDatesAsNull) {
  const std::string vcf = File("a.vcf", "BEGIN:VCARD\r\nFN:a\r\nREV:20201226T203928Z\r\nEND:VCARD\r\n");
  const ToolRun run = Tool({"read", vcf});
  ASSERT_EQ(run.exitCode, 0);
  const json c = json::parse(run.out)["vContacts"][0];
  EXPECT_TRUE(c["Photo"].is_null());
  EXPECT_TRUE(c["BirthDay"].is_null());
  EXPECT_EQ(c["Updated"], "2020-12-26T20:39:28");
  EXPECT_EQ(c["PhotoEncoding"], "feInternalBase64");
  EXPECT_EQ(c["PhotoStr"], "");
}

TEST_F(Xls2vcf, LoneSurrogateLeavesAsReplacementCharacter) {
  std::string utf16 = "\xFF\xFE";
  for (char16_t ch : std::u16string(u"BEGIN:VCARD\r\nFN:a") + char16_t(0xD800) + u"b\r\nEND:VCARD\r\n") {
    utf16 += static_cast<char>(ch & 0xFF);
    utf16 += static_cast<char>(ch >> 8);
  }
  const ToolRun run = Tool({"read", File("u.vcf", utf16)});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(json::parse(run.out)["vContacts"][0]["FullName"], "a\xEF\xBF\xBD" "b");
}

TEST_F(Xls2vcf, AbsentKeysKeepTheDefaults) {
  const ToolRun run = Tool({"write", File("min.json", R"({"vContacts": [{"Updated": null}]})")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, 40), "BEGIN:VCARD\nVERSION:3.0\nN:;;;;\nFN: \nREV:");
}

}  // namespace
