#include "file_faults.h"

namespace {

struct Fault {
  FileOp op = FileOp::Open;
  int remaining = 0;  // 0: no fault armed
  int error = 0;
};

Fault armed;

}  // namespace

void injectFileFault(FileOp op, int nth, int error) {
  armed = Fault{op, nth, error};
}

void clearFileFault() {
  armed = Fault{};
}

int takeFileFault(FileOp op) {
  if (armed.remaining <= 0 || armed.op != op) return 0;
  if (--armed.remaining > 0) return 0;
  const int error = armed.error;
  clearFileFault();
  return error;
}
