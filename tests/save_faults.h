#pragma once
// Makes a save fail the way the system can make it fail, for the tests of
// saving a profile. Only the test programs link this.
//
// The failures that can be caused from outside are: a file in the way of
// the save's temporary file (its open fails), and a file size limit
// (RLIMIT_FSIZE: its write fails). Flushing, closing and renaming the
// temporary file fail only on a failing disk; for them the test programs
// carry their own fsync, close and rename, which fail for the save's
// temporary file ("*.saving") while told to, and otherwise do what the
// system's do. Under the sanitizers, which bring their own, the test
// programs keep the system's, and those three cannot be made to fail.

#include <string>

enum class SaveFault { None, Open, Write, Flush, Close, Rename };

// Whether fault can be made to happen in this build.
bool CanCause(SaveFault fault);

// For its lifetime, the saves of the profile `profile` fail at fault.
class CausedSaveFault {
 public:
  CausedSaveFault(SaveFault fault, const std::string& profile);
  ~CausedSaveFault();
  CausedSaveFault(const CausedSaveFault&) = delete;
  CausedSaveFault& operator=(const CausedSaveFault&) = delete;

 private:
  SaveFault fault_;
  std::string inTheWay_;
  unsigned long long sizeLimit_ = 0;
};
