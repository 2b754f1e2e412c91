#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace runtime {

// The classic error numbers that the program's messages show.
enum ErrorNumber : int {
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kSubscriptOutOfRange = 9,
  kTypeMismatch = 13,
  kBadFileName = 52,
  kFileNotFound = 53,
  kFileAlreadyOpen = 55,
  kDeviceIoError = 57,
  kFileAlreadyExists = 58,
  kDiskFull = 61,
  kInputPastEnd = 62,
  kTooManyFiles = 67,
  kDeviceUnavailable = 68,
  kPermissionDenied = 70,
  kDiskNotReady = 71,
  kPathFileAccessError = 75,
  kPathNotFound = 76,
  kInvalidUseOfNull = 94,
  kInvalidPropertyValue = 380,
};

// The one error type of the program: a number and a description.
class Error : public std::runtime_error {
 public:
  Error(int number, const std::string& description);
  // An error with the standard description of its number.
  explicit Error(int number);

  int Number() const noexcept { return number_; }
  const std::string& Description() const noexcept { return description_; }

 private:
  int number_;
  std::string description_;
};

// The standard description of an error number ("File not found" for 53).
std::string StandardDescription(int number);

// Maps an operating-system error code (Win32 GetLastError values) to the program's error.
Error ErrorFromSystemCode(std::uint32_t systemCode);

}  // namespace runtime
