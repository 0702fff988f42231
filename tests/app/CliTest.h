#pragma once
// Running kdprops and ezdxf as a user runs them, for the tests of the host.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

namespace kdtest {
using nlohmann::json;

struct Result {
  int status;
  std::string out;
};

// Runs a shell command; standard error joins standard output.
inline Result run(const std::string& command) {
  Result r{-1, std::string()};
  FILE* p = popen((command + " 2>&1").c_str(), "r");
  if (!p) return r;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  const int status = pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

// In English whatever the machine's locale, unless a test says otherwise.
inline std::string kdprops(const std::string& args) {
  return std::string("LC_ALL=C LC_MESSAGES=C LANG=C ") + KD_KDPROPS + " " + args;
}
inline std::string python(const std::string& script, const std::string& args) {
  return std::string("/usr/bin/python3 ") + KD_TEST_DIR + "/dxf/" + script + " " + args;
}
inline bool haveEzdxf() { return run("/usr/bin/python3 -c 'import ezdxf'").status == 0; }

// The row of a palette in JSON, by name; a failure when it has none.
inline const json& rowOf(const json& palette, const char* name) {
  for (const json& r : palette["properties"])
    if (r["name"] == name) return r;
  static const json none;
  ADD_FAILURE() << "no row " << name;
  return none;
}

// The lines of the first object of a listing in JSON, value by label.
inline json linesOf(const json& listing) {
  json lines = json::object();
  for (const json& l : listing["objects"][0]["lines"]) lines[l["label"].get<std::string>()] = l["value"];
  return lines;
}

struct Cli : ::testing::Test {
  std::string dir;
  void SetUp() override {
    char t[] = "/tmp/kdprops_XXXXXX";
    ASSERT_NE(mkdtemp(t), nullptr);
    dir = t;
  }
  void TearDown() override { run("rm -rf " + dir); }
  std::string file(const char* name) const { return dir + "/" + name; }
  json jsonOf(const std::string& args) {
    Result r = run(kdprops(args) + " 2>/dev/null");
    EXPECT_EQ(r.status, 0) << r.out;
    return json::parse(r.out);
  }
  // The first object of a listing or palette class, by handle.
  std::string handleOf(const std::string& drawing, const char* cls) {
    json list = jsonOf("list " + drawing + " --json");
    for (const json& o : list["objects"])
      if (o["class"] == cls) return o["handle"];
    return std::string();
  }
};
}  // namespace kdtest
using namespace kdtest;
