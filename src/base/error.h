#pragma once

#include <stdexcept>
#include <string>

// The errors of Nodewick. Each message names what it is about (the file and
// line or JSON path, the net, pad or field, the path) and says the reason in
// the system's words; a front end shows it as it stands.
namespace nodewick {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A design that cannot be loaded, or a design the stand-in editor cannot
// answer for. Nothing is half-loaded.
class DesignError : public Error {
public:
    using Error::Error;
};

// A reason an export run stops without a netlist: a value the records cannot
// hold, a text that would break a line, a file that cannot be written.
class ExportError : public Error {
public:
    using Error::Error;
};

// A file or folder the operating system refused, with its reason.
class FileError : public Error {
public:
    using Error::Error;
};

// A choice the user made that cannot be carried out (an option, an offset).
class UsageError : public Error {
public:
    using Error::Error;
};

}  // namespace nodewick
