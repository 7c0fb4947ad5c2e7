#pragma once

#include <stdexcept>
#include <string>

// A failure reported by the database engine, with the engine's result code.
class DatabaseError : public std::runtime_error {
public:
    DatabaseError(int code, const std::string& what)
        : std::runtime_error(what)
        , code_(code)
    {
    }

    int code() const { return code_; }

private:
    int code_;
};
