// Makes one file operation of a save fail with a chosen errno, so that
// failures such as a full disk can be tried without the disk being full. A
// save is handed one of these only by a test; the program passes none.
#pragma once

enum class FileOp { Open, Write, Close };

class FileFaults {
 public:
  // The n-th operation of kind `op` from now on (1 = the next one) fails
  // with `error`. One fault at a time; setting another replaces it.
  void inject(FileOp op, int nth, int error) { armed_ = {op, nth, error}; }
  void clear() { armed_ = {}; }

  // Called before each real operation: the errno to fail with, or 0.
  int take(FileOp op);

 private:
  struct Fault {
    FileOp op = FileOp::Open;
    int remaining = 0;  // 0: no fault armed
    int error = 0;
  };
  Fault armed_;
};

// The errno a save's file operation should fail with, or 0 without faults.
inline int takeFault(FileFaults* faults, FileOp op) {
  return faults ? faults->take(op) : 0;
}
