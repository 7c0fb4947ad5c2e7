#pragma once

#include <stdexcept>
#include <string>

// A failure reported by the database engine; its text ends with the engine's result code.
class DatabaseError : public std::runtime_error {
public:
    DatabaseError(int code, const std::string& what)
        : std::runtime_error(what + " (" + std::to_string(code) + ")")
    {
    }
};
