#pragma once

#include <string>
#include <utility>

namespace q417 {

// What went wrong, coarse enough for the command line to map to exit codes.
enum class ErrorKind {
    None,
    NotFound, // a file or device that must exist is missing
    DataFile, // a data file could not be read, parsed or written
    Device,   // the mouse did not answer or is not ready
    Usage,    // the caller asked for something malformed
};

// The outcome of a core operation: no exceptions cross the core boundary.
struct Status {
    ErrorKind kind = ErrorKind::None;
    std::string message;
    int systemError = 0; // errno of the failing call, when there was one

    [[nodiscard]] bool ok() const { return kind == ErrorKind::None; }
    static Status success() { return {}; }
    static Status failure(ErrorKind k, std::string text, int err = 0) { return {k, std::move(text), err}; }
};

} // namespace q417
