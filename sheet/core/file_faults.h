// A process-wide switch that makes one file operation of the save fail with
// a chosen errno, so that failures such as a full disk can be tried without
// the disk being full.
#pragma once

enum class FileOp { Open, Write, Close };

// The n-th operation of kind `op` from now on (1 = the next one) fails with
// `error`. One fault at a time; setting another replaces it.
void injectFileFault(FileOp op, int nth, int error);
void clearFileFault();

// Called before each real operation: the errno to fail with, or 0.
int takeFileFault(FileOp op);
