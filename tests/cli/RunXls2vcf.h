// Runs xls2vcf as a user would, under the C locale, and collects what it
// prints and how it exits.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

namespace tabulon::testing {

struct TCliOutcome {
  std::string Out;
  std::string Err;
  int Exit = -1;
};

inline std::string ShellQuoted(const std::string& arg) {
  std::string q = "'";
  for (const char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline TCliOutcome RunXls2vcf(const std::vector<std::string>& args) {
  char errPath[] = "/tmp/xls2vcf-stderr-XXXXXX";
  const int errFile = mkstemp(errPath);
  if (errFile < 0) return {};
  close(errFile);
  std::string command = "LC_ALL=C " + ShellQuoted(std::string(TABULON_BIN_DIR) + "/xls2vcf");
  for (const std::string& a : args) command += " " + ShellQuoted(a);
  command += " 2>" + ShellQuoted(errPath);
  TCliOutcome o;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) o.Out.append(buffer, n);
    const int status = pclose(pipe);
    o.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::ifstream err(errPath, std::ios::binary);
  o.Err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
  std::remove(errPath);
  return o;
}

}  // namespace tabulon::testing
