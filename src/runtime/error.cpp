#include "runtime/error.h"

#include <array>
#include <utility>

namespace runtime {

namespace {

struct Description {
  int number;
  const char* text;
};

constexpr std::array kDescriptions{
    Description{kInvalidProcedureCall, "Invalid procedure call or argument"},
    Description{kOverflow, "Overflow"},
    Description{kSubscriptOutOfRange, "Subscript out of range"},
    Description{kTypeMismatch, "Type mismatch"},
    Description{kBadFileName, "Bad file name or number"},
    Description{kFileNotFound, "File not found"},
    Description{kFileAlreadyOpen, "File already open"},
    Description{kDeviceIoError, "Device I/O error"},
    Description{kFileAlreadyExists, "File already exists"},
    Description{kDiskFull, "Disk full"},
    Description{kInputPastEnd, "Input past end of file"},
    Description{kTooManyFiles, "Too many files"},
    Description{kDeviceUnavailable, "Device unavailable"},
    Description{kPermissionDenied, "Permission denied"},
    Description{kDiskNotReady, "Disk not ready"},
    Description{kPathFileAccessError, "Path/File access error"},
    Description{kPathNotFound, "Path not found"},
    Description{kInvalidUseOfNull, "Invalid use of Null"},
    Description{kInvalidPropertyValue, "Invalid property value"},
};

// Win32 error code -> program error number. Codes not listed become 75.
struct SystemMapping {
  std::uint32_t systemCode;
  int number;
};

constexpr std::array kSystemMappings{
    SystemMapping{2, kFileNotFound},           // ERROR_FILE_NOT_FOUND
    SystemMapping{3, kPathNotFound},           // ERROR_PATH_NOT_FOUND
    SystemMapping{4, kTooManyFiles},           // ERROR_TOO_MANY_OPEN_FILES
    SystemMapping{5, kPathFileAccessError},    // ERROR_ACCESS_DENIED (read-only file or folder)
    SystemMapping{15, kDeviceUnavailable},     // ERROR_INVALID_DRIVE
    SystemMapping{19, kPermissionDenied},      // ERROR_WRITE_PROTECT
    SystemMapping{21, kDiskNotReady},          // ERROR_NOT_READY
    SystemMapping{32, kPermissionDenied},      // ERROR_SHARING_VIOLATION (held open elsewhere)
    SystemMapping{33, kPermissionDenied},      // ERROR_LOCK_VIOLATION
    SystemMapping{38, kInputPastEnd},          // ERROR_HANDLE_EOF
    SystemMapping{39, kDiskFull},              // ERROR_HANDLE_DISK_FULL
    SystemMapping{53, kPathNotFound},          // ERROR_BAD_NETPATH
    SystemMapping{67, kPathNotFound},          // ERROR_BAD_NET_NAME
    SystemMapping{80, kFileAlreadyExists},     // ERROR_FILE_EXISTS
    SystemMapping{112, kDiskFull},             // ERROR_DISK_FULL
    SystemMapping{123, kBadFileName},          // ERROR_INVALID_NAME
    SystemMapping{145, kPathFileAccessError},  // ERROR_DIR_NOT_EMPTY
    SystemMapping{161, kBadFileName},          // ERROR_BAD_PATHNAME
    SystemMapping{183, kFileAlreadyExists},    // ERROR_ALREADY_EXISTS
    SystemMapping{206, kBadFileName},          // ERROR_FILENAME_EXCED_RANGE
};

}  // namespace

Error::Error(int number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

Error::Error(int number) : Error(number, StandardDescription(number)) {}

std::string StandardDescription(int number) {
  for (const auto& entry : kDescriptions) {
    if (entry.number == number) return entry.text;
  }
  return "Application-defined or object-defined error";
}

Error ErrorFromSystemCode(std::uint32_t systemCode) {
  for (const auto& entry : kSystemMappings) {
    if (entry.systemCode == systemCode) return Error(entry.number);
  }
  return Error(kPathFileAccessError);
}

}  // namespace runtime
