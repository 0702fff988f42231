// Reads one drawing file and prints the process's peak memory and the file's
// size: the peak a user's program reaches opening that drawing.
#include <sys/resource.h>
#include <sys/stat.h>
#include <cstdio>
#include "Dxf/DxfFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dxf_read_once DRAWING\n");
    return 2;
  }
  struct stat info {};
  if (stat(argv[1], &info) != 0) return 3;
  rusage before{};
  getrusage(RUSAGE_SELF, &before);
  size_t objects = 0;
  long long heldBytes = 0;  // resident once read: what the drawing keeps
  try {
    OdDbDatabasePtr db = odDxfReadFile(argv[1]);
    objects = db->objectIds().size();
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
      long long pages = 0, resident = 0;
      if (std::fscanf(f, "%lld %lld", &pages, &resident) == 2) heldBytes = resident * 4096;
      std::fclose(f);
    }
  } catch (const OdDxfFileError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 3;
  }
  rusage after{};
  getrusage(RUSAGE_SELF, &after);
  std::printf("{\"fileBytes\": %lld, \"objects\": %zu, \"peakBytes\": %lld, \"heldBytes\": %lld, \"startBytes\": %lld}\n",
              (long long)info.st_size, objects, (long long)after.ru_maxrss * 1024, heldBytes,
              (long long)before.ru_maxrss * 1024);
  return 0;
}
