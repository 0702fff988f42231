#pragma once
// The drawing files (*.dxf, any case) of a folder of the sample drawings, sorted.
#include <dirent.h>
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

inline std::vector<std::string> kdDrawingsIn(const std::string& dir) {
  std::vector<std::string> out;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      const std::string name = e->d_name;
      std::string lower = name;
      for (char& c : lower) c = char(std::tolower((unsigned char)c));
      if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".dxf") == 0) out.push_back(dir + "/" + name);
    }
    closedir(d);
  }
  std::sort(out.begin(), out.end());
  return out;
}
