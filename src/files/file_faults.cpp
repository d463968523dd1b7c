#include "file_faults.h"

int FileFaults::take(FileOp op) {
  if (armed_.remaining <= 0 || armed_.op != op) return 0;
  if (--armed_.remaining > 0) return 0;
  const int error = armed_.error;
  clear();
  return error;
}
