#pragma once
// The failure family: every failure is an exception carrying a plain English
// message. Subclasses only classify; the message is what users see.
#include <stdexcept>
#include <string>

namespace fw {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    const char* what() const noexcept override { return FMessage.c_str(); }
    const std::string& Message() const noexcept { return FMessage; }

private:
    std::string FMessage;
};

#define FW_EXCEPTION_CLASS(Name, Base)                                  \
    class Name : public Base {                                          \
    public:                                                             \
        using Base::Base;                                               \
    }

FW_EXCEPTION_CLASS(EStreamError, Exception);
FW_EXCEPTION_CLASS(EReadError, EStreamError);
FW_EXCEPTION_CLASS(EWriteError, EStreamError);
FW_EXCEPTION_CLASS(EFilerError, EStreamError);
FW_EXCEPTION_CLASS(EClassNotFound, EFilerError);
FW_EXCEPTION_CLASS(EFCreateError, EStreamError);
FW_EXCEPTION_CLASS(EFOpenError, EStreamError);
FW_EXCEPTION_CLASS(EListError, Exception);
FW_EXCEPTION_CLASS(EStringListError, Exception);
FW_EXCEPTION_CLASS(EComponentError, Exception);
FW_EXCEPTION_CLASS(EPropertyError, Exception);
FW_EXCEPTION_CLASS(EConvertError, Exception);
FW_EXCEPTION_CLASS(EInvalidOperation, Exception);

// Printf-style formatting of the fixed messages ("Class %s not found").
// Only %s, %d and %% are understood; arguments are taken as strings.
std::string Format(const std::string& pattern, std::initializer_list<std::string> args);

} // namespace fw
