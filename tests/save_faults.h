#pragma once
// Makes a save fail the way the system can make it fail, for the tests of
// saving a profile. Only the test programs link this.
//
// The failures that can be caused from outside are: a limit of no open
// files (RLIMIT_NOFILE: its open fails), and a file size limit
// (RLIMIT_FSIZE: its write fails). Flushing, closing and renaming the
// temporary file fail only on a failing disk; for them the test programs
// carry their own fsync, close and rename, which fail for the save's
// temporary file ("*.saving.*") while told to, and otherwise do what the
// system's do. Under the sanitizers, which bring their own, the test
// programs keep the system's, and those three cannot be made to fail.

#include <string>

enum class SaveFault { None, Open, Write, Flush, Close, Rename };

// Whether fault can be made to happen in this build.
bool CanCause(SaveFault fault);

// For its lifetime, saves fail at fault.
class CausedSaveFault {
 public:
  explicit CausedSaveFault(SaveFault fault);
  ~CausedSaveFault();
  CausedSaveFault(const CausedSaveFault&) = delete;
  CausedSaveFault& operator=(const CausedSaveFault&) = delete;

 private:
  SaveFault fault_;
  unsigned long long sizeLimit_ = 0;  // the limit to restore
};
